#pragma once
// The pictures of the macro editor, drawn by our own code: the thirteen command bitmaps
// and the constraint pictures the sample installation keeps under "icons\", the zoom icon
// (module resource 234), and the placeholder shown where a picture file is missing.

#include "platform/ui/Image.h"
#include "platform/ui/draw/Bitmap.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kw::macroedit {

// The bitmap file of command code 0 to 13; null for code 10 (a plain button) and others.
const wchar_t* commandBitmapName(int code);

struct SamplePicture {
    std::wstring name; // file name under "icons\"
    ui::Bitmap bitmap;
};
// Every picture the sample installation's "icons\" folder holds for the editor: the
// command bitmaps (key colour RGB 192,192,192) and the constraint pictures (key magenta).
std::vector<SamplePicture> samplePictures();

// A grey frame with a question mark, keyed like the pictures it stands in for.
ui::Image placeholderPicture(int size, ui::Color key);

} // namespace kw::macroedit
