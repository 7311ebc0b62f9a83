#pragma once
// Decoded design pictures, kept for the life of the module. Every general page of a macro
// dialog reads its design's picture when it opens; decoding the BMP and building its mask
// each time made up a third of the opening. An entry is used only while the file still
// has the size and modification time it had when it was decoded, so a picture the
// designer saves again is read afresh.

#include "platform/ui/draw/Bitmap.h"

#include <filesystem>

struct DesignPicture {
    ui::Bitmap picture; // as decoded
    ui::Bitmap mask;    // white = transparent
    ui::Bitmap ored;    // the picture with its transparent part black
};

// The decoded picture at `path`, or false when the file is missing or not a picture
// the reader accepts (nothing is cached then).
bool loadDesignPicture(const std::filesystem::path& path, DesignPicture& out);
