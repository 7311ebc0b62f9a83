#pragma once
// DlgOpenSave: the core's file choice (a modal open or save dialog).
//
// open      true: the file must exist; false: saving asks before overwriting.
// ext       default extension, with or without dot ("txt", ".bmp"); added to names
//           typed without one.
// filter    "description|pattern|description|pattern|..." (a trailing "||" is allowed);
//           an empty filter offers "*.<ext>" when there is an extension, else "*.*".
// title     the dialog's caption.
// path      in: the start folder (ending in "\"), or a file whose folder and name are
//           preset; out: the chosen file in product form, or "" when cancelled.
// Returns true when a file was chosen.

#include "core/Tvl_String.h"

bool DlgOpenSave(bool open, const Tvl_String& ext, const Tvl_String& filter,
                 const Tvl_String& title, Tvl_String& path);
