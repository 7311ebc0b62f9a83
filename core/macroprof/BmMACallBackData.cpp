#include "core/macroprof/BmMACallBackData.h"

BmMACallBackData::BmMACallBackData(const BmMACallBackData& other)
    : m_group(other.m_group), m_value(other.m_value), m_owner(other.m_owner), m_tab(other.m_tab),
      m_profiles(other.m_profiles),
      m_macro(other.m_macro ? new MacroData(*other.m_macro) : nullptr) {}

BmMACallBackData& BmMACallBackData::operator=(const BmMACallBackData& other) {
    if (this == &other)
        return *this;
    MacroData* copy = other.m_macro ? new MacroData(*other.m_macro) : nullptr;
    delete m_macro;
    m_macro = copy;
    m_group = other.m_group;
    m_value = other.m_value;
    m_owner = other.m_owner;
    m_tab = other.m_tab;
    m_profiles = other.m_profiles;
    return *this;
}

BmMACallBackData::~BmMACallBackData() {
    delete m_macro;
}

void BmMACallBackData::initDataClass(const MacroData& macro) {
    MacroData* copy = new MacroData(macro);
    delete m_macro;
    m_macro = copy;
}
