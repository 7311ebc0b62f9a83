#pragma once
// The sample model: the stand-in for the drawing that the core module edits. It holds
// a few plain objects (columns, beams, a pipe) and parametric macros (end-plate
// connections and a column base plate, core/model/SampleMacros.cpp), fills MacroData
// records from them, applies the records' changes (evaluating equations in dependency
// order and refusing values that break a rule) and checks clashes between their parts.
// docs/sample-model.md describes it and its equation language.
//
// One instance for the session (sampleModel()); reset() puts it back in its starting
// state (tests). Everything it changes is printed on the command line.

#include "core/MacroData.h"
#include "core/model/MacroInstance.h"

#include <memory>
#include <set>

namespace model {

struct PlainObject {
    AcDbObjectId id;
    Tvl_String name;        // "C1"
    Tvl_String description; // "Column HEA 200"
    std::function<Parts()> parts;
};

// The changed items of one module: codes and indices as MacroTabData::differences gives them.
struct ModuleChanges {
    Tvl_String module;
    Tvl_Array<int> codes;
    Tvl_Array<int> indices;
};

struct ClashFinding {
    Tvl_String partA, objectA, partB, objectB;
    double size[3] = {0, 0, 0};
    Tvl_String text() const;
};

class SampleModel {
public:
    SampleModel();
    SampleModel(const SampleModel&) = delete;
    SampleModel& operator=(const SampleModel&) = delete;

    // Back to the starting drawing (also the clash status and every view).
    void reset();

    // ---- Objects ---------------------------------------------------------------------
    const std::vector<std::unique_ptr<MacroInstance>>& instances() const { return m_instances; }
    const std::vector<PlainObject>& plainObjects() const { return m_plain; }
    MacroInstance* instance(AcDbObjectId id);
    const MacroInstance* instance(AcDbObjectId id) const;
    MacroInstance* instanceByName(const Tvl_String& name);
    const MacroDefinition* definition(const Tvl_String& kind) const;
    // The group keys and their captions, in order.
    const Tvl_StringArray& groupKeys() const { return m_groupKeys; }
    const Tvl_StringArray& groupCaptions() const { return m_groupCaptions; }

    // ---- Records ----------------------------------------------------------------------
    // Builds `record` for the macros `ids` (unknown ids are left out). False and the
    // record unchanged when none of them is a macro.
    bool fillRecord(const AcArray<AcDbObjectId>& ids, MacroData& record) const;
    // Writes the model's current values of the record's first macro into its tabs,
    // keeping the dialogs' references.
    void refreshRecord(MacroData& record) const;

    // ---- Changes ------------------------------------------------------------------------
    // UpdateModule: see core/MacroCallBacks.h.
    bool updateModule(const Tvl_String& module, MacroData& record, const Tvl_Array<int>& codes,
                      const Tvl_Array<int>& indices);
    // Applies the changes of several modules to the record's macros and evaluates each
    // once; all or nothing. The record afterwards holds the model's values.
    bool applyChanges(MacroData& record, const std::vector<ModuleChanges>& changes);
    // MacroData::setAllToMacro: see core/MacroData.h.
    bool applyNamed(MacroData& record, const Tvl_StringArray& names, const Tvl_Array<int>& codes,
                    const Tvl_Array<int>& tabs);
    void changeView(const AcArray<AcDbObjectId>& ids, const Tvl_String& module, int view);
    bool reApply(MacroData& record);
    bool swapBlock(MacroData& record, const Tvl_String& module, const Tvl_String& path);

    // ---- Clash check ------------------------------------------------------------------
    // The parts of each object of `ids` against the parts of every other object.
    std::vector<ClashFinding> findClashes(const AcArray<AcDbObjectId>& ids) const;
    bool m_clashOn = true;
    std::set<int> m_clashDialogs;
    AcArray<AcDbObjectId> m_clashObjects;

    // ---- Listing (TVLMODEL) ----------------------------------------------------------
    void list() const;

    // A macro of `modules` general tabs with `cells` number cells each, half of them
    // computed by equations over the others, for measuring updates. Its id.
    AcDbObjectId addSyntheticMacro(int modules, int cells);

private:
    void build();

    std::vector<std::unique_ptr<MacroDefinition>> m_definitions;
    std::vector<std::unique_ptr<MacroInstance>> m_instances;
    std::vector<PlainObject> m_plain;
    Tvl_StringArray m_groupKeys;
    Tvl_StringArray m_groupCaptions;
    int m_nextId = 900;
};

SampleModel& sampleModel();

// Evaluates a macro: checks and normalises its input values, computes its equation
// cells in dependency order and checks its rules. False and the reason when a value is
// refused (the instance may then hold partly computed values: callers restore it).
bool evaluateInstance(MacroInstance& instance, Tvl_String& error);

// Numbers as the model writes them: at most 2 decimals, no trailing zeros ("340", "12.5").
Tvl_String formatModelNumber(double value);

// Copies the values of `src` into `dst`, keeping `dst`'s references (by item name).
void copyKeepingReferences(MacroTabData& dst, const MacroTabData& src);

// The sample's definitions, objects and macros (SampleMacros.cpp).
void buildSampleDefinitions(std::vector<std::unique_ptr<MacroDefinition>>& definitions);

} // namespace model
