#pragma once
// Tvl_MacroPropsFilter: which macro drawings the select-macro dialog offers. It is set up
// with the gallery's folders (names below the library's "Macros\" folder, or product
// paths) and a flag per folder (false: the folder is left out), and with the least and
// the most modules an offered macro has (0: no bound).
//
// The drawings are read once, on the first getAllDwgFiles. Their modules and the
// modules' properties make the filter's table; every entry starts switched on. A drawing
// is offered while each of its modules is on and each property it has is on.

#include "core/Tvl_StringArray.h"
#include "core/macrocuts/MacroDrawingInfo.h"
#include "platform/host/AcArray.h"

#include <vector>

class Tvl_MacroPropsFilter {
public:
    struct Module {
        Tvl_String name;
        bool on = true;
        Tvl_StringArray props;
        std::vector<bool> propOn; // parallel to props
        bool operator==(const Module&) const = default;
    };

    Tvl_MacroPropsFilter() = default;
    Tvl_MacroPropsFilter(const Tvl_MacroPropsFilter&) = default;
    Tvl_MacroPropsFilter& operator=(const Tvl_MacroPropsFilter&) = default;
    virtual ~Tvl_MacroPropsFilter() = default;

    // Forgets what was read. Flags missing for a folder count as true.
    void init(const Tvl_StringArray& folders, const AcArray<bool>& flags, int minModules,
              int maxModules);

    // The product paths of the drawings offered, sorted by folder and name. False when
    // no flagged folder exists.
    bool getAllDwgFiles(Tvl_StringArray& list);

    // The table of modules and properties (after getAllDwgFiles), in the order found.
    const std::vector<Module>& modules() const { return m_modules; }
    // The most properties a module has.
    int maxPropCount() const;
    // False when the module (or its property) is not in the table.
    bool setModuleStatus(const Tvl_String& module, bool on);
    bool setModulePropStatus(const Tvl_String& module, const Tvl_String& prop, bool on);

    // The drawing read for `path` (after getAllDwgFiles), null when it is none of them.
    const MacroDrawingInfo* drawing(const Tvl_String& path) const;
    bool passes(const MacroDrawingInfo& info) const;
    // Every drawing read (after getAllDwgFiles), offered or not, in getAllDwgFiles' order.
    const std::vector<MacroDrawingInfo>& drawings() const { return m_drawings; }

    // The folder a name stands for: libDir + "Macros\" + name + "\", or the path itself.
    static Tvl_String folderPath(const Tvl_String& name);

private:
    bool scan();
    const Module* module(const Tvl_String& name) const;

    Tvl_StringArray m_folders;
    std::vector<bool> m_flags;
    int m_minModules = 0;
    int m_maxModules = 0;
    bool m_scanned = false;
    bool m_anyFolder = false;
    std::vector<MacroDrawingInfo> m_drawings;
    std::vector<Module> m_modules;
};
