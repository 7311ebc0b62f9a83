#pragma once
// The picture of the advanced bolt dialog ("DrawBolt2.bmp" in the installation's icons
// folder): a bolt through two plates with a washer and a nut on either side, so that
// the nut and washer boxes beside it read as the parts they switch. Drawn here; the
// installed file is written from this drawing.

#include "platform/ui/draw/Bitmap.h"

namespace kw::macro {

inline constexpr const wchar_t* kBoltPictureName = L"DrawBolt2.bmp";
// The colour drawn transparent (the dialog's face shows through).
inline constexpr std::uint32_t kBoltPictureKey = 0xFFC0C0C0u;

ui::Bitmap boltPicture();

} // namespace kw::macro
