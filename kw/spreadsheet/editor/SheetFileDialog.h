#pragma once
// The file dialog of the spreadsheet editor and its print and format dialogs: one type
// per pair of extension (three or four characters, without the dot: "kws", "xlsx") and
// description, the first extension as default. `path` is where the dialog starts and,
// after OK, the file chosen. False (and nothing shown) when a list is empty, the lists
// differ in length or an extension is not three or four characters long; false when the
// user cancels.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

namespace ui {
class Window;
}

namespace kw {

// The file name buffer of the dialog: a longer start path is cut to this length.
inline constexpr int kFileDialogBuffer = 2048;

bool sheetFileDialog(ui::Window* owner, bool open, const Tvl_StringArray& extensions,
                     const Tvl_StringArray& descriptions, const Tvl_String& caption,
                     Tvl_String& path);

} // namespace kw
