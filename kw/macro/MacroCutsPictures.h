#pragma once
// The pictures of the macro cuts dialog and the macro gallery, drawn by our own code:
// the six cut kinds the sample installation keeps under "icons\" and the previews of the
// sample library's macro drawings (under "tvllib\Macros\"). One gallery drawing has no
// preview on purpose: the gallery makes it when it opens.

#include "platform/ui/draw/Bitmap.h"

#include <string>
#include <vector>

namespace kw::macro {

struct DrawnPicture {
    std::wstring path; // below the sample installation's folder, with "/" between folders
    ui::Bitmap bitmap;
};

// "icons/CutProfvsPlate.bmp" and the other five, in kind order.
std::vector<DrawnPicture> cutKindPictures();
// "tvllib/Macros/Connections/End plate.bmp" and the other previews.
std::vector<DrawnPicture> galleryPictures();

} // namespace kw::macro
