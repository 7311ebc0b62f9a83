#pragma once
// What the macro gallery knows of one macro drawing: its caption and the modules it is
// made of, each with the properties it has ("Stiffeners", "Slotted holes"). The sample
// installation's macro drawings are core property files (docs/macro-gallery.md):
//
//     TVLPROPERTIES 1
//     s caption=End plate, extended
//     s modules=EndPlate;Bolts
//     s props.EndPlate=Stiffeners;Haunch
//     s props.Bolts=Slotted holes
//     END 4
//
// A drawing that cannot be read is still a drawing: it has no caption of its own (its
// file name is used) and no modules.

#include "core/Tvl_StringArray.h"

#include <vector>

struct MacroDrawingInfo {
    Tvl_String path;    // product path of the ".dwg"
    Tvl_String name;    // file name without extension
    Tvl_String caption; // the drawing's caption, else its name
    Tvl_StringArray modules;
    std::vector<Tvl_StringArray> props; // parallel to modules
    bool readable = false;
};

// Reads the drawing at `path`; false when it is missing or damaged (`info` then holds
// the path, the name as caption and no modules).
bool readMacroDrawing(const Tvl_String& path, MacroDrawingInfo& info);
