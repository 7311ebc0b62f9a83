#pragma once
// The five pictures of the macro filter pages, drawn by our own code and kept in the
// sample installation's "icons\" folder (key colour RGB 192,192,192): axis angle 90 and
// 180 degrees, section angle, path distance and section size.

#include "platform/ui/draw/Bitmap.h"

#include <string>
#include <vector>

namespace kw::filters {

struct FilterPicture {
    std::wstring name; // file name under "icons\"
    ui::Bitmap bitmap;
};
std::vector<FilterPicture> filterPictures();

} // namespace kw::filters
