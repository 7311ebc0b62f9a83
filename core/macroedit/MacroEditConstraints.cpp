// The macro editor's call-backs for constraints, geometries and highlights.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macrocuts/DlgMacroCutsData.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/macroedit/MacroEditModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

#include <algorithm>
#include <cwctype>

using namespace model;
using namespace model::edit;

namespace {

void updateDisplay() {
#if TVL_HOST_AVAILABLE
    acedUpdateDisplay();
#endif
}

// The model's constraint at record index `index`; null when out of range.
EditorConstraint* constraintAt(const Target& t, const EditConstrData& data, int index) {
    if (!t || index < 0 || index >= data.m_constrIds.length())
        return nullptr;
    return t.constraint(data.m_constrIds[index]);
}

Tvl_String idText(long id) {
    return Tvl_String(static_cast<int>(id));
}

} // namespace

bool UpdateConstraint(EditConstrData* data, int& index) {
    const Target t = data ? target(*data) : Target{};
    EditorConstraint* c = constraintAt(t, *data, index);
    if (!c || !data->isConsistent(index))
        return false;
    DefinitionBackup backup(*t.definition);
    const std::vector<MacroTabData> before = t.instance->m_modules;
    if (data->hasProperty(index, EditConstrData::kPropValue))
        c->value = data->m_constrValues[index];
    if (data->hasProperty(index, EditConstrData::kPropName)) {
        c->varName = data->m_constrNames[index].trimmed();
        c->option2 = data->m_constrOption2[index] != 0;
    }
    if (data->hasProperty(index, EditConstrData::kPropChoice))
        c->choice = data->m_constrChoice[index];
    if (data->hasProperty(index, EditConstrData::kPropOptions))
        c->option1 = data->m_constrOption1[index] != 0;
    c->radios = data->m_constrRadios[index];
    // A value of a constraint bound to an input variable drives the variable.
    MacroCell* bound = c->varName.isEmpty() ? nullptr : t.tab().cellWithName(c->varName);
    if (bound && !bound->m_readOnly && data->hasProperty(index, EditConstrData::kPropValue) &&
        bound->m_value != c->value) {
        bound->m_value = c->value;
        if (!evaluateAll(*t.definition, backup)) {
            fillAll(target(*data), *data); // the restore replaced the editor data
            return false;
        }
    }
    corePrint(L"Constraint " + c->name + L" updated.\n");
    printValueChanges(*t.instance, before);
    fillAll(t, *data);
    return true;
}

bool HighlightConstraint(EditConstrData* data, int& index) {
    const Target t = data ? target(*data) : Target{};
    const EditorConstraint* c = constraintAt(t, *data, index);
    if (!c)
        return false;
    corePrint(L"Highlight constraint " + idText(c->id) + L" (" + c->name + L")\n");
    return true;
}

bool UnHighlightConstraints() {
    corePrint(L"Unhighlight constraints\n");
    return true;
}

bool VarNameInUse(EditConstrData* data, const Tvl_String& name, bool& inUse) {
    MacroInstance* instance = data ? sampleModel().instance(data->m_macroId) : nullptr;
    if (!instance)
        return false;
    inUse = false;
    for (const auto& [module, editor] : editorData(definitionOf(*instance)).modules)
        for (const EditorConstraint& c : editor.constraints)
            if (c.id != data->m_currentConstrId && c.varName == name)
                inUse = true;
    return true;
}

bool DeleteConstraint(EditConstrData* data, int& index) {
    const Target t = data ? target(*data) : Target{};
    const EditorConstraint* c = constraintAt(t, *data, index);
    if (!c)
        return false;
    corePrint(L"Constraint " + c->name + L" deleted.\n");
    const long id = c->id;
    auto& list = t.editor->constraints;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [id](const EditorConstraint& e) { return e.id == id; }),
               list.end());
    fillConstraints(t, *data);
    return true;
}

namespace {

Tvl_String sortKey(const EditorConstraint& c, int column) {
    switch (column) {
    case 1:
        return c.name;
    case 2:
        return c.type;
    case 3:
        return c.object1;
    case 4:
        return c.object2;
    default:
        return Tvl_String();
    }
}

bool lessText(const Tvl_String& a, const Tvl_String& b) {
    const std::wstring& x = a.str();
    const std::wstring& y = b.str();
    return std::lexicographical_compare(
        x.begin(), x.end(), y.begin(), y.end(), [](wchar_t p, wchar_t q) {
            return std::towlower(static_cast<wint_t>(p)) < std::towlower(static_cast<wint_t>(q));
        });
}

} // namespace

bool SortConstraints(EditConstrData* data, int column, int previousColumn) {
    const Target t = data ? target(*data) : Target{};
    if (!t || column < 1 || column > 4)
        return false;
    std::stable_sort(t.editor->constraints.begin(), t.editor->constraints.end(),
                     [&](const EditorConstraint& a, const EditorConstraint& b) {
                         const Tvl_String ka = sortKey(a, column), kb = sortKey(b, column);
                         if (lessText(ka, kb))
                             return true;
                         if (lessText(kb, ka))
                             return false;
                         return lessText(sortKey(a, previousColumn), sortKey(b, previousColumn));
                     });
    corePrint(L"Constraints of " + data->m_currentModule + L" sorted by column " +
              Tvl_String(column) + L".\n");
    fillConstraints(t, *data);
    return true;
}

// ---- Context menu --------------------------------------------------------------------------

namespace {

enum Action : int {
    kActionHighlight = 101,
    kActionZoom,
    kActionDriving,
    kActionMoveUp,
    kActionMoveDown,
    kActionDelete,
    kActionProperties,
};

} // namespace

bool ConstrContextMenu(EditConstrData* data, int index, Tvl_StringArray& texts,
                       AcArray<int>& actionIds, AcArray<int>& checkedItems) {
    const Target t = data ? target(*data) : Target{};
    const EditorConstraint* c = constraintAt(t, *data, index);
    if (!c)
        return false;
    texts = {L"Highlight", L"Zoom to the constraint",
             L"%BREAK%",   L"Driving",
             L"Move up",   L"Move down",
             L"%BREAK%",   L"Delete",
             L"Properties"};
    actionIds.removeAll();
    for (int id = kActionHighlight; id <= kActionProperties; ++id)
        actionIds.append(id);
    checkedItems.removeAll();
    if (c->option1)
        checkedItems.append(3);
    return true;
}

bool ContextMenuAction(EditConstrData* data, int& index, int& actionId) {
    const Target t = data ? target(*data) : Target{};
    EditorConstraint* c = constraintAt(t, *data, index);
    if (!c)
        return false;
    auto& list = t.editor->constraints;
    const auto at = static_cast<size_t>(c - list.data());
    switch (actionId) {
    case kActionHighlight:
        HighlightConstraint(data, index);
        return false; // nothing in the record changes
    case kActionZoom:
        corePrint(L"Zoom to constraint " + idText(c->id) + L" (" + c->name + L")\n");
        updateDisplay();
        return false;
    case kActionDriving:
        c->option1 = !c->option1;
        corePrint(L"Constraint " + c->name + (c->option1 ? L" drives." : L" is driven.") + L"\n");
        break;
    case kActionMoveUp:
        if (at == 0)
            return false;
        std::swap(list[at], list[at - 1]);
        corePrint(L"Constraint " + list[at - 1].name + L" moved up.\n");
        break;
    case kActionMoveDown:
        if (at + 1 >= list.size())
            return false;
        std::swap(list[at], list[at + 1]);
        corePrint(L"Constraint " + list[at + 1].name + L" moved down.\n");
        break;
    case kActionDelete:
        return DeleteConstraint(data, index);
    case kActionProperties:
        corePrint(L"Constraint " + idText(c->id) + L": " + c->name + L", " + c->type + L", " +
                  c->object1 + L" / " + c->object2 + L"\n");
        return false;
    default:
        return false;
    }
    fillConstraints(t, *data);
    return true;
}

bool StartEditMacroCutDlg(const AcDbObjectId& macroId, const Tvl_String& name, long constraintId,
                          bool& escapeHandled) {
    MacroInstance* instance = sampleModel().instance(macroId);
    if (!instance)
        return false;
    MacroDefinition& def = definitionOf(*instance);
    for (auto& [module, editor] : editorData(def).modules) {
        for (const EditorConstraint& c : editor.constraints) {
            if (c.id != constraintId || c.kind != EditConstrData::kKindCut)
                continue;
            // The macro cuts dialog of the dialogs module edits the macro's cut of that
            // name; on OK the cut is written into the model, which prints the change.
            DlgMacroCutsData record;
            if (!record.fillFromModel(macroId, c.cut))
                return false;
            using Start = bool(DlgMacroCutsData&, bool&);
            auto* start = dialogsExport<Start>("_Z17StartDlgMacroCutsR16DlgMacroCutsDataRb");
            if (!start)
                return false;
            bool escaped = false;
            const bool ok = start(record, escaped);
            escapeHandled = escaped;
            if (!ok) {
                corePrint(L"Cut " + c.cut + L" of " + instance->title() + L" not changed.\n");
                return false;
            }
            return record.applyToModel();
        }
    }
    return false;
}

// ---- Geometries ----------------------------------------------------------------------------

namespace {

EditorGeometry* geometry(const Target& t, const AcDbObjectId& id, const long* flexValue) {
    if (!t)
        return nullptr;
    for (EditorGeometry& g : t.editor->geometries)
        if (g.id == id && (!flexValue || g.flexValue == *flexValue))
            return &g;
    return nullptr;
}

} // namespace

bool GetGeomFlexibility(EditConstrData* data) {
    const Target t = data ? target(*data) : Target{};
    if (!t)
        return false;
    fillGeometries(t, *data);
    return true;
}

bool UpdateGeomFlexibility(EditConstrData* data, AcDbObjectId& objectId, long& flexValue,
                           int& newValue) {
    static const wchar_t* const kTexts[] = {L"fixed", L"flexible", L"free"};
    const Target t = data ? target(*data) : Target{};
    EditorGeometry* g = geometry(t, objectId, &flexValue);
    if (!g || newValue < 1 || newValue > 3)
        return false;
    const int old = g->flexibility;
    g->flexibility = newValue - 1;
    corePrint(L"Geometry " + g->name + L": " + kTexts[old < 0 || old > 2 ? 0 : old] + L" -> " +
              kTexts[g->flexibility] + L".\n");
    fillGeometries(t, *data);
    return true;
}

bool UpdateConstrGeom(EditConstrData* data, AcDbObjectId& objectId, bool fixed) {
    const Target t = data ? target(*data) : Target{};
    EditorGeometry* g = geometry(t, objectId, nullptr);
    if (!g || g->fixed < 0)
        return false;
    g->fixed = fixed ? 1 : 0;
    corePrint(L"Geometry " + g->name + (fixed ? L" is fixed.\n" : L" is no longer fixed.\n"));
    fillGeometries(t, *data);
    return true;
}

bool HighlightObject(const AcDbObjectId& objectId) {
    corePrint(L"Highlight object " + Tvl_String(static_cast<int>(objectId.asOldId())) + L"\n");
    return true;
}

bool UnHighlightObject(const AcDbObjectId& objectId) {
    corePrint(L"Unhighlight object " + Tvl_String(static_cast<int>(objectId.asOldId())) + L"\n");
    return true;
}
