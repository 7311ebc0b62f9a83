#include "kw/macro/MacroProfPages.h"

#include "core/MacroData.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CMacroTabProf.h"

std::unique_ptr<CMacroTabPage> makeProfilePage(const MacroData& macro) {
    auto page = std::make_unique<CMacroTabProf>();
    if (macro.m_preview && macro.m_firstObjects.length() == 1)
        page->setPreview(true, macro.m_firstObjects[0]);
    return page;
}

void openAdvancedProfiles(CDlgMacro& dlg) {
    MacroData& macro = dlg.macroData();
    const Tvl_String group = macro.m_openAdvancedGroup;
    CMacroTabProf* chosen = nullptr;
    for (int i = 0; i < dlg.pageCount(); ++i) {
        auto* page = dynamic_cast<CMacroTabProf*>(dlg.page(i));
        const MacroTabData* tab = dlg.tabData(i);
        if (page == nullptr || tab == nullptr)
            continue;
        int index = -1;
        if (!group.isEmpty() && tab->findProfDataWithGroup(group, index)) {
            chosen = page;
            break;
        }
        if (chosen == nullptr)
            chosen = page;
    }
    macro.m_openAdvanced = false;
    if (chosen == nullptr)
        return;
    int found = -1;
    const MacroTabData* tab = dlg.tabData(chosen->tabIndex());
    const bool named = tab && tab->findProfDataWithGroup(group, found);
    chosen->runAdvanced(named ? group : Tvl_String());
    macro.m_openAdvancedGroup.clear();
}
