#pragma once

// The splash picture (bitmap 129): a 530 x 348, 24-bit Windows BMP drawn by code, so
// that the launcher carries no image file. Light where the splash writes its texts
// (version line top right, notice and web lines at the bottom).

#include <cstdint>
#include <vector>

namespace launcher {

inline constexpr int kSplashPictureWidth = 530;
inline constexpr int kSplashPictureHeight = 348;

// The encoded BMP file (headers and pixels).
std::vector<std::uint8_t> splashPictureBmp();

} // namespace launcher
