#pragma once
// The dialogs module is built with hidden visibility: only what is marked here is
// visible to the host and to the core module.
#define KW_EXPORT __attribute__((visibility("default")))
