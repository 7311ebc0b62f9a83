#pragma once
// The request kind of the profile-group call-back (the core module defines it).
#include "core/macroprof/BmMACallBackType.h"
