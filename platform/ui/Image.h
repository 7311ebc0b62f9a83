#pragma once
// A picture handed to a window (icon, static picture, button image). The layer keeps the
// encoded Windows BMP bytes (from a resource or a file); decoding and drawing belong to
// the drawing part (platform/ui/draw). An empty Image means "no picture".

#include "platform/ui/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

struct Image {
    int resourceId = 0; // resource number, 0 when loaded from a file
    std::wstring file;  // native path when loaded from a file
    std::shared_ptr<const std::vector<std::uint8_t>> bmp; // encoded BMP bytes; null = none
    std::optional<Color> transparent; // key colour drawn as transparent (button pictures)

    bool empty() const { return !bmp || bmp->empty(); }
    // Width and height read from the BMP header; {0,0} when empty or not a BMP.
    Size size() const;
};

// Reads a .bmp file; an empty Image when it is missing or not a BMP ("no picture").
Image loadImageFile(const std::string& nativePath);

} // namespace ui
