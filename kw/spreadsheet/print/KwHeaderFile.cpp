#include "kw/spreadsheet/print/KwHeaderFile.h"

#include <cmath>

#include "kw/frame/DialogHelpers.h"
#include "kw/spreadsheet/Tvl_SimplePropsList.h"

namespace kw {

namespace {

Tvl_String labelKey(int n, const wchar_t* field) {
    return Tvl_String(L"LabelArr" + std::to_wstring(n) + field);
}

} // namespace

KwHeaderFile::ReadStatus KwHeaderFile::read(const Tvl_String& path) {
    *this = KwHeaderFile();
    if (path.isEmpty() || !fileExists(path))
        return ReadStatus::Missing;
    Tvl_SimplePropsList list;
    if (!list.readFromFile(path))
        return ReadStatus::Damaged;
    list.getText(kStandardFont, standardFont);
    list.getText(kBmpSource, bmpSource);
    list.getInt(kOrigBmpWidth, origBmpWidth);
    list.getInt(kOrigBmpHeight, origBmpHeight);
    if (!list.getReal(kZoomFactor, zoomFactor))
        zoomFactor = 1.0;
    for (int n = 0; n < kMaxLabels; ++n) {
        HeaderLabel label;
        if (!list.getReal(labelKey(n, L"x1"), label.x1) ||
            !list.getReal(labelKey(n, L"y1"), label.y1) ||
            !list.getReal(labelKey(n, L"x2"), label.x2) ||
            !list.getReal(labelKey(n, L"y2"), label.y2) ||
            !list.getText(labelKey(n, L"text"), label.text))
            break;
        labels.push_back(label);
    }
    return ReadStatus::Ok;
}

bool KwHeaderFile::write(const Tvl_String& path) const {
    Tvl_SimplePropsList list;
    list.setText(kStandardFont, standardFont);
    list.setText(kBmpSource, bmpSource);
    list.setInt(kOrigBmpWidth, origBmpWidth);
    list.setInt(kOrigBmpHeight, origBmpHeight);
    list.setReal(kZoomFactor, zoomFactor);
    for (size_t n = 0; n < labels.size(); ++n) {
        const HeaderLabel& l = labels[n];
        const int i = static_cast<int>(n);
        list.setReal(labelKey(i, L"x1"), l.x1);
        list.setReal(labelKey(i, L"y1"), l.y1);
        list.setReal(labelKey(i, L"x2"), l.x2);
        list.setReal(labelKey(i, L"y2"), l.y2);
        if (!list.setText(labelKey(i, L"text"), l.text))
            return false;
    }
    return list.writeToFile(path);
}

} // namespace kw
