#include "platform/ui/controls/Progress.h"

#include <algorithm>

namespace ui {

int Progress::setPos(int pos) {
    int old = m_pos;
    m_pos = std::clamp(pos, m_low, m_high);
    invalidate();
    return old;
}

} // namespace ui
