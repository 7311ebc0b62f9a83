#include "core/MacroData.h"

#include "core/model/SampleModel.h"

MacroData::MacroData(const MacroData& other) {
    copyFrom(other);
}

MacroData& MacroData::operator=(const MacroData& other) {
    if (this != &other)
        copyFrom(other);
    return *this;
}

MacroData::~MacroData() {
    removeAllTabs();
}

// Every field that owns something is copied by value here, so that a copy never
// shares storage with its original (the dialogs keep a before-copy and compare).
void MacroData::copyFrom(const MacroData& other) {
    removeAllTabs();
    for (const MacroTabData* tab : other.m_tabs)
        m_tabs.append(new MacroTabData(*tab));
    m_objects = other.m_objects;
    m_firstObjects = other.m_firstObjects;
    m_title = other.m_title;
    m_groupKeys = other.m_groupKeys;
    m_firstList = other.m_firstList;
    m_firstSelection = other.m_firstSelection;
    m_names = other.m_names;
    m_secondList = other.m_secondList;
    m_secondSelection = other.m_secondSelection;
    m_startTab = other.m_startTab;
    m_openAdvanced = other.m_openAdvanced;
    m_openAdvancedGroup = other.m_openAdvancedGroup;
    m_preview = other.m_preview;
    m_macroKind = other.m_macroKind;
    m_propertySet = other.m_propertySet;
    m_busy = other.m_busy;
    m_closed = other.m_closed;
}

MacroTabData* MacroData::tab(int index) {
    return index >= 0 && index < m_tabs.length() ? m_tabs[index] : nullptr;
}

const MacroTabData* MacroData::tab(int index) const {
    return index >= 0 && index < m_tabs.length() ? m_tabs[index] : nullptr;
}

int MacroData::appendTab(const MacroTabData& tab) {
    return m_tabs.append(new MacroTabData(tab));
}

void MacroData::removeAllTabs() {
    for (MacroTabData* tab : m_tabs)
        delete tab;
    m_tabs.clear();
}

bool MacroData::findTab(const Tvl_String& name, int& index) const {
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < m_tabs.length(); ++i) {
            const Tvl_String& key = pass == 0 ? m_tabs[i]->m_module : m_tabs[i]->m_caption;
            if (!name.isEmpty() && key == name) {
                index = i;
                return true;
            }
        }
    }
    index = -1;
    return false;
}

MacroTabData* MacroData::tabOfModule(const Tvl_String& module) {
    for (MacroTabData* tab : m_tabs)
        if (tab->m_module == module)
            return tab;
    return nullptr;
}

const MacroTabData* MacroData::tabOfModule(const Tvl_String& module) const {
    for (const MacroTabData* tab : m_tabs)
        if (tab->m_module == module)
            return tab;
    return nullptr;
}

bool MacroData::differences(const MacroData& before, Tvl_StringArray& names, Tvl_Array<int>& codes,
                            Tvl_Array<int>& tabs) const {
    names.clear();
    codes.clear();
    tabs.clear();
    for (int t = 0; t < m_tabs.length(); ++t) {
        // A tab is compared with the tab of the same module in `before`.
        const MacroTabData* old = before.tabOfModule(m_tabs[t]->m_module);
        const MacroTabData empty;
        Tvl_StringArray tabNames;
        Tvl_Array<int> tabCodes;
        Tvl_Array<int> tabIndices;
        m_tabs[t]->differences(old ? *old : empty, tabNames, tabCodes, tabIndices);
        for (int i = 0; i < tabNames.length(); ++i) {
            names.append(tabNames[i]);
            codes.append(tabCodes[i]);
            tabs.append(t);
        }
    }
    if (m_propertySet != before.m_propertySet) {
        names.append(L"propertySet");
        codes.append(kMacroItemRecordOnly);
        tabs.append(-1);
    }
    return names.length() > 0;
}

bool MacroData::setAllToMacro(const Tvl_StringArray& names, const Tvl_Array<int>& codes,
                              const Tvl_Array<int>& tabs) {
    return model::sampleModel().applyNamed(*this, names, codes, tabs);
}

void MacroData::changeView(const Tvl_String& module, int view) const {
    model::sampleModel().changeView(m_objects, module, view);
}

bool MacroData::reApply() {
    return model::sampleModel().reApply(*this);
}

bool MacroData::operator==(const MacroData& o) const {
    if (m_tabs.length() != o.m_tabs.length())
        return false;
    for (int i = 0; i < m_tabs.length(); ++i)
        if (!(*m_tabs[i] == *o.m_tabs[i]))
            return false;
    return m_objects == o.m_objects && m_firstObjects == o.m_firstObjects && m_title == o.m_title &&
           m_groupKeys == o.m_groupKeys && m_firstList == o.m_firstList &&
           m_firstSelection == o.m_firstSelection && m_names == o.m_names &&
           m_secondList == o.m_secondList && m_secondSelection == o.m_secondSelection &&
           m_startTab == o.m_startTab && m_openAdvanced == o.m_openAdvanced &&
           m_openAdvancedGroup == o.m_openAdvancedGroup && m_preview == o.m_preview &&
           m_macroKind == o.m_macroKind && m_propertySet == o.m_propertySet && m_busy == o.m_busy &&
           m_closed == o.m_closed;
}
