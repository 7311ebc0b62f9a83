#pragma once
// MacroData: the record of one or more macros that the core hands to a macro dialog
// and takes back. It crosses the module boundary by value: copies are deep (the record
// owns its tabs; a copy owns copies of them), so a copy made before an edit can be
// compared with the record afterwards.
//
// The busy flag is set by the core while it works on the dialog's macro (a dialog is
// not closed while it is set); the closed flag is set by the dialog when it closes.
//
// Methods that reach the model (setAllToMacro, changeView, reApply, the property sets)
// work on the macros of the object list in the core's sample model (core/model/).

#include "core/MacroTabData.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData& other);
    MacroData& operator=(const MacroData& other);
    virtual ~MacroData();

    bool busy() const { return m_busy != 0; }
    void setBusy(bool busy) { m_busy = busy ? 1 : 0; }
    bool closed() const { return m_closed; }
    void setClosed(bool closed) { m_closed = closed; }

    // ---- Tabs (owned) ------------------------------------------------------------------
    int tabCount() const { return m_tabs.length(); }
    // Null outside 0..tabCount()-1.
    MacroTabData* tab(int index);
    const MacroTabData* tab(int index) const;
    // Appends a copy; returns its index.
    int appendTab(const MacroTabData& tab);
    void removeAllTabs();
    // The tab whose module name, or else whose caption, is `name` (exact): true and its
    // index; false and -1 when none.
    bool findTab(const Tvl_String& name, int& index) const;
    // The tab of module `module`, null when none.
    MacroTabData* tabOfModule(const Tvl_String& module);
    const MacroTabData* tabOfModule(const Tvl_String& module) const;

    // ---- Differences ---------------------------------------------------------------------
    // What changed from `before` to this record, one entry per changed item in three
    // parallel lists: the item's name, its code (MacroItemCode) and its tab's index. A
    // changed property-set name is one entry ("propertySet", -12, -1) at the end. False
    // and three empty lists when nothing changed.
    bool differences(const MacroData& before, Tvl_StringArray& names, Tvl_Array<int>& codes,
                     Tvl_Array<int>& tabs) const;
    // Writes the listed items of this record to the model and takes the model's values
    // back. Entries are found by name and tab index (codes of -12 and unknown names are
    // skipped), so the lists may be shorter than `names`. False when the model refused
    // a value (the record then shows the model's values).
    bool setAllToMacro(const Tvl_StringArray& names, const Tvl_Array<int>& codes,
                       const Tvl_Array<int>& tabs);

    // ---- Model ------------------------------------------------------------------------------
    // Switches the model's view of the macro: 0 front, 1 top, 2 side, 3 the normal 3D
    // view (the dialog sends 3 on close). Prints the view on the command line.
    void changeView(const Tvl_String& module, int view) const;
    // Builds the macros again from their current values; true when all were rebuilt
    // (the dialog then closes).
    bool reApply();

    // ---- Property sets -----------------------------------------------------------------
    // Property sets are allowed for a record of macros of one kind that has tabs.
    bool propListAllowed() const;
    // The named-set lists: `names` the sets of this record's macro, `namesChecked` every
    // set of the folder; `folder` ends in "\"; a set N is the file folder + N + `ext`.
    // False (lists empty) when property sets are not allowed.
    bool getPropFiles(Tvl_StringArray& names, Tvl_StringArray& namesChecked, Tvl_String& folder,
                      Tvl_String& ext) const;
    // Loads a property set (docs/sample-model.md) into the record's cells, patterns,
    // bolt data, arrays and cuts. `count` receives the number of entries that could not
    // be applied (an unknown module or item, a value a cell does not take). A missing or
    // damaged file is refused whole: false, a message on the command line, `count` 0
    // and the record unchanged.
    bool readFromFile(const Tvl_String& file, int& count);
    // Writes the record's values as a property set, atomically; false (and a message) on
    // failure, the old file then stays as it was.
    bool writeToFile(const Tvl_String& file) const;
    // The same on the file's bytes (readFromFile reads the file and calls this).
    bool readFromText(const std::string& bytes, int& count, Tvl_String& error);
    std::string writeToText() const;

    // The merged properties of profile group `group` of the tab of module (or caption)
    // `tab` (core/macroprof/MacroDataProfGroups.cpp); false when either is unknown.
    bool getMergedPropsOfGroup(const Tvl_String& tab, const Tvl_String& group,
                               MacroProfData& props) const;
    bool setMergedPropsOfGroup(const Tvl_String& tab, const Tvl_String& group,
                               const MacroProfData& props);

    bool operator==(const MacroData& other) const;

    // ---- Fields --------------------------------------------------------------------------
    AcArray<AcDbObjectId> m_objects;      // the macros edited
    AcArray<AcDbObjectId> m_firstObjects; // with the preview flag: the preview profile
    Tvl_String m_title;
    Tvl_StringArray m_groupKeys; // parallel to the first list
    Tvl_StringArray m_firstList;
    int m_firstSelection = -1;
    Tvl_StringArray m_names; // the macros' names (entry 0 names a single macro)
    Tvl_StringArray m_secondList;
    int m_secondSelection = -1;
    Tvl_String m_startTab;
    bool m_openAdvanced = false;
    Tvl_String m_openAdvancedGroup; // cleared by the profile page after use
    bool m_preview = false;
    Tvl_String m_macroKind;   // the macro definition all objects share; empty if mixed
    Tvl_String m_propertySet; // the set last loaded or saved (record only)

private:
    void copyFrom(const MacroData& other);

    Tvl_Array<MacroTabData*> m_tabs;
    unsigned char m_busy = 0;
    bool m_closed = false;
};
