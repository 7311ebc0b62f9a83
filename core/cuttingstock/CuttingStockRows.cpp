#include "core/cuttingstock/CuttingStockRows.h"

#include "core/cuttingstock/DlgCSP2Data.h"

#include <cmath>

namespace cutstock {
namespace {

Tvl_String field(const Tvl_StringArray& row, int i) {
    return i < row.length() ? row[i].trimmed() : Tvl_String();
}

} // namespace

bool isBlankRow(const Tvl_StringArray& row) {
    for (int i = 0; i < row.length(); ++i)
        if (!row[i].trimmed().isEmpty())
            return false;
    return true;
}

bool checkRow(int table, const Tvl_StringArray& row, Tvl_String& why) {
    if (row.length() > 3) {
        why = L"it has more than three fields";
        return false;
    }
    for (int i = 0; i < row.length(); ++i)
        for (wchar_t c : row[i].str())
            if (c < 0x20 || c == 0x7f) {
                why = L"it holds control characters";
                return false;
            }
    double length = 0;
    const Tvl_String lengthText = field(row, 1);
    if (!lengthText.toDouble(length) || !std::isfinite(length)) {
        why = L"the length \"" + lengthText + L"\" is not a number";
        return false;
    }
    if (length <= 0 || length > kLargestLength) {
        why = L"the length " + lengthText + L" is not between 0 and 100000 mm";
        return false;
    }
    const Tvl_String countText = field(row, 2);
    if (countText.isEmpty() && table == DlgCSP2Data::kPurchase)
        return true;
    int count = 0;
    if (!countText.toInt(count)) {
        why = L"the count \"" + countText + L"\" is not a whole number";
        return false;
    }
    if (count < 0 || count > kLargestCount) {
        why = L"the count " + countText + L" is not between 0 and 100000";
        return false;
    }
    return true;
}

void rowValues(const Tvl_StringArray& row, Tvl_String& profile, double& length, int& count) {
    profile = field(row, 0);
    length = 0;
    field(row, 1).toDouble(length);
    const Tvl_String countText = field(row, 2);
    count = -1;
    if (!countText.isEmpty() && !countText.toInt(count))
        count = 0;
}

} // namespace cutstock
