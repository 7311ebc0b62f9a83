#include "core/fabrication/BmLevelsDlgData.h"

#include <cmath>

namespace {
constexpr double kLargestHeight = 1.0e6;
}

void BmLevelsDlgData::getNames(Tvl_StringArray& names) const {
    names.clear();
    for (int i = 0; i < m_levels.length(); ++i)
        names.append(m_levels[i].name);
}

int BmLevelsDlgData::indexOf(const Tvl_String& name) const {
    for (int i = 0; i < m_levels.length(); ++i)
        if (m_levels[i].name.equal(name, true))
            return i;
    return -1;
}

bool BmLevelsDlgData::isNameTaken(const Tvl_String& name) const {
    const Tvl_String n = name.trimmed();
    return n.isEmpty() || n.equal(L"wcs", true) || indexOf(n) >= 0;
}

double BmLevelsDlgData::absoluteHeight(int index) const {
    double h = 0;
    // The chain is cycle-free by construction; the step limit guards against a record
    // assembled otherwise.
    for (int steps = 0; index >= 0 && index < m_levels.length() && steps <= m_levels.length();
         ++steps) {
        h += m_levels[index].height;
        index = m_levels[index].reference.isEmpty() ? -1 : indexOf(m_levels[index].reference);
    }
    return h;
}

bool BmLevelsDlgData::getLevelData(int index, Tvl_String& name, Tvl_String& reference,
                                   double& height, double& absoluteHeight) const {
    if (index < 0 || index >= m_levels.length())
        return false;
    name = m_levels[index].name;
    reference = m_levels[index].reference;
    height = m_levels[index].height;
    absoluteHeight = this->absoluteHeight(index);
    return true;
}

bool BmLevelsDlgData::updateLevel(int index, double height) {
    if (index < 0 || index >= m_levels.length() || !std::isfinite(height) ||
        std::fabs(height) > kLargestHeight)
        return false;
    m_levels[index].height = height;
    return true;
}

bool BmLevelsDlgData::updateLevel(int index, const Tvl_String& reference) {
    if (index < 0 || index >= m_levels.length())
        return false;
    if (reference.isEmpty()) {
        m_levels[index].reference.clear();
        return true;
    }
    int at = indexOf(reference);
    if (at < 0 || at == index)
        return false;
    for (int steps = 0; at >= 0 && steps <= m_levels.length(); ++steps) {
        if (at == index)
            return false; // would close a loop
        at = m_levels[at].reference.isEmpty() ? -1 : indexOf(m_levels[at].reference);
    }
    m_levels[index].reference = m_levels[indexOf(reference)].name;
    return true;
}

bool BmLevelsDlgData::addLevel(const Tvl_String& name, int& index) {
    if (isNameTaken(name))
        return false;
    index = m_levels.append(Level{name.trimmed(), Tvl_String(), 0.0});
    return true;
}

bool BmLevelsDlgData::deleteLevel(int index) {
    if (index < 0 || index >= m_levels.length())
        return false;
    const Level gone = m_levels[index];
    for (int i = 0; i < m_levels.length(); ++i)
        if (i != index && m_levels[i].reference.equal(gone.name, true)) {
            m_levels[i].reference = gone.reference;
            m_levels[i].height += gone.height;
        }
    return m_levels.removeAt(index);
}
