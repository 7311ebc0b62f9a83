#include "core/macroedit/EditConstrData.h"

bool EditConstrData::hasProperty(int index, int property) const {
    if (index < 0 || index >= m_constrProps.length())
        return false;
    return m_constrProps[index].contains(property);
}

bool EditConstrData::isConsistent(int index) const {
    if (index < 0 || index >= m_constrDescriptions.length() || index >= m_constrKinds.length() ||
        index >= m_constrPictures.length() || index >= m_constrProps.length() ||
        index >= m_constrRadios.length())
        return false;
    if (hasProperty(index, kPropValue) && index >= m_constrValues.length())
        return false;
    if (hasProperty(index, kPropName) &&
        (index >= m_constrNames.length() || index >= m_constrOption2.length()))
        return false;
    if (hasProperty(index, kPropChoice) &&
        (index >= m_constrChoice.length() || index >= m_constrChoices.length()))
        return false;
    if (hasProperty(index, kPropOptions) && index >= m_constrOption1.length())
        return false;
    return true;
}

int EditConstrData::constraintIndex(long id) const {
    for (int i = 0; i < m_constrIds.length(); ++i)
        if (m_constrIds[i] == id)
            return i;
    return -1;
}

void EditConstrData::clearConstraints() {
    m_constrDescriptions.clear();
    m_constrKinds.removeAll();
    m_constrPictures.clear();
    m_constrProps.clear();
    m_constrValues.clear();
    m_constrNames.clear();
    m_constrChoice.removeAll();
    m_constrChoices.clear();
    m_constrOption1.removeAll();
    m_constrOption2.removeAll();
    m_constrRadios.clear();
    m_constrIds.removeAll();
}

void EditConstrData::clearGeometries() {
    m_geomDescriptions.clear();
    m_geomFlexibility.removeAll();
    m_geomFixed.removeAll();
    m_geomIds.removeAll();
    m_geomFlexValues.removeAll();
}

void EditConstrData::clearVariables() {
    m_varNames.clear();
    m_varValues.removeAll();
    m_varTypes.removeAll();
    m_dimNames.clear();
    m_dimValues.clear();
    m_equations.clear();
}
