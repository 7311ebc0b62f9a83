#include "core/macrobolt/CCheckComboBox.h"

bool CCheckComboBox::SetCheck(int index, bool checked) {
    return setItemCheck(index, checked);
}

int CCheckComboBox::CheckedCount() const {
    int n = 0;
    for (int i = 0; i < getCount(); ++i)
        if (getItemCheck(i))
            ++n;
    return n;
}
