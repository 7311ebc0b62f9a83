#pragma once
// A print header (or footer) file, .kwh: a property file (Tvl_SimplePropsList file form)
// naming a background picture and the text labels drawn over it. docs/printing.md
// describes the keys.
//
// Labels are numbered from 0; reading stops at the first label whose five fields are
// not all there with their kinds. Label rectangles are fractions of the drawn picture's
// width (x) and height (y).

#include <vector>

#include "core/Tvl_String.h"

namespace kw {

struct HeaderLabel {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Tvl_String text;
    bool operator==(const HeaderLabel&) const = default;
};

class KwHeaderFile {
public:
    enum class ReadStatus {
        Ok,
        Missing, // no path, or no such file
        Damaged, // the file is there but is not a property file
    };

    // Keys of the file.
    static constexpr const wchar_t* kStandardFont = L"standardFont";
    static constexpr const wchar_t* kBmpSource = L"BMPSource";
    static constexpr const wchar_t* kOrigBmpWidth = L"origBmpWidth";
    static constexpr const wchar_t* kOrigBmpHeight = L"origBmpHeight";
    static constexpr const wchar_t* kZoomFactor = L"zoomFactor";
    // More labels than this are not read (a damaged file could claim millions).
    static constexpr int kMaxLabels = 1000;

    Tvl_String standardFont;
    Tvl_String bmpSource;
    int origBmpWidth = 0;
    int origBmpHeight = 0;
    double zoomFactor = 1.0;
    std::vector<HeaderLabel> labels;

    // Clears, then reads the file at the product path.
    ReadStatus read(const Tvl_String& path);
    // Writes every field (atomically: a failed write leaves the old file).
    bool write(const Tvl_String& path) const;

    bool operator==(const KwHeaderFile&) const = default;
};

} // namespace kw
