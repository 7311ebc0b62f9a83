#include "core/Tvl_StringArray.h"

#include "core/CorePrint.h"

void tvlReportArrayFault(Tvl_ArrayFault fault) {
    switch (fault) {
    case Tvl_ArrayFault::Insert:
        corePrint(L"*Error* Invalid index passed to insert.\n");
        break;
    case Tvl_ArrayFault::Remove:
        corePrint(L"*Error* Invalid index passed to remove.\n");
        break;
    case Tvl_ArrayFault::Access:
        corePrint(L"*Error* Invalid index passed to access.\n");
        break;
    case Tvl_ArrayFault::SizeMismatch:
        corePrint(L"*Error* Array size mismatch.\n");
        break;
    }
}

bool Tvl_StringArray::find(const Tvl_String& text, int& index, bool ignoreCase) const {
    for (int i = 0; i < length(); ++i) {
        if ((*this)[i].equal(text, ignoreCase)) {
            index = i;
            return true;
        }
    }
    index = -1;
    return false;
}

bool Tvl_StringArray::contains(const Tvl_String& text, bool ignoreCase) const {
    int index;
    return find(text, index, ignoreCase);
}
