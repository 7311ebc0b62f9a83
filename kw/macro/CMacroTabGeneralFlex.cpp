// The flexible dimension buttons of the general page (drawn types 25 and 26): the cells
// their fields name, the dimension asked for with the prompt dialog, and the parts
// written back into the drawn controls before the page is applied.

#include "kw/macro/CMacroTabGeneral.h"

#include "core/LanguageTexts.h"
#include "core/MacroTabData.h"
#include "core/StringHelpers.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/macro/FlexDimension.h"
#include "kw/macro/MacroIds.h"

using namespace kw::macro;

namespace {

constexpr int kDecimals = 5;

// A field naming a cell, with "-" in front for the negated value.
struct NamedCell {
    const MacroCell* cell = nullptr;
    bool negated = false;
};

NamedCell lookUp(const MacroTabData& tab, Tvl_String name) {
    NamedCell found;
    name.trim();
    if (name.startsWith(L"-")) {
        found.negated = true;
        name = name.mid(1);
    }
    found.cell = name.isEmpty() ? nullptr : tab.cellWithName(name);
    return found;
}

bool readNumber(const Tvl_String& text, double& value) {
    if (!isNumber(text))
        return false;
    value = text.trimmed().toDouble();
    return true;
}

} // namespace

void CMacroTabGeneral::onFlexDimension(int id, int type) {
    MacroTabData* t = tab();
    const Tvl_DesignerControl* control = m_design.getControlFromRes(id);
    if (t == nullptr || control == nullptr)
        return;
    const NamedCell c = lookUp(*t, control->extField1);
    const NamedCell a = lookUp(*t, control->extField2);
    const NamedCell b = lookUp(*t, control->extField3);
    if (c.cell == nullptr || c.cell->m_value.trimmed().isEmpty())
        return;
    if (a.cell == nullptr || a.cell->m_readOnly || a.cell->m_reference <= 0)
        return;
    const bool bDrawn = b.cell != nullptr && b.cell->m_reference > 0;
    if (type == tvlCtrlFlexDim2 && !bDrawn)
        return;

    // Every value must be a number: a text would silently count as 0.
    FlexDimension dim;
    dim.type = type;
    Tvl_String text;
    double value = 0.0;
    if (!readNumber(c.cell->m_value, value))
        return;
    dim.base = c.negated ? -value : value;
    if (!m_design.getCtrlValue(a.cell->m_reference, text) || !readNumber(text, value))
        return;
    dim.part = a.negated ? -value : value;
    if (bDrawn) {
        if (!m_design.getCtrlValue(b.cell->m_reference, text) || !readNumber(text, value))
            return;
        dim.second = b.negated ? -value : value;
    }
    if (type == tvlCtrlFlexDim) {
        double factor = 0.0;
        if (!readNumber(control->extField4, factor))
            return;
        dim.factor = factor;
    }
    const std::optional<double> current = dim.current();
    if (!current)
        return;

    m_active = false;
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(kTextDimension);
    prompt.m_prompt = dialString(kTextNewDimension) + L"\n" + dialString(kTextDecimalPoint);
    prompt.m_value = Tvl_String(*current, kDecimals);
    prompt.m_okLabel = dialString(kTextOk);
    prompt.m_cancelLabel = dialString(kTextCancel);
    int result = 0;
    {
        kw::ResourceSwitchScope on;
        result = prompt.doModal();
    }
    double wanted = 0.0;
    if (result != ui::IDOK || !prompt.m_confirmed) {
        m_active = true;
        return;
    }
    if (!readNumber(prompt.m_value, wanted)) {
        // "12,5" or "abc" is no dimension: say how to write one, change nothing.
        messageBox(dialString(kTextDecimalPoint).str(), dialString(kTextDimension).str(),
                   ui::MB_OK | ui::MB_ICONINFORMATION);
        m_active = true;
        return;
    }
    const std::optional<double> part = dim.newPart(wanted);
    if (!part) {
        m_active = true;
        return;
    }
    m_design.setCtrlValue(a.cell->m_reference, Tvl_String(a.negated ? -*part : *part, kDecimals));
    if (type == tvlCtrlFlexDim && bDrawn)
        m_design.setCtrlValue(b.cell->m_reference,
                              Tvl_String(b.negated ? -*part : *part, kDecimals));
    m_active = true;
    applyPage();
}
