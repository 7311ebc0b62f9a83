#pragma once
// Dialog templates: the data a dialog is built from, one per dialog number.
// Geometry is in dialog units (DLU). A DLU is a quarter of the font's average character
// width horizontally and an eighth of its height vertically. The layer uses fixed base
// units so layouts never depend on installed fonts: an 8-point font has base units 6 x 13
// pixels, other sizes scale linearly (rounded). See dialogBaseUnits().

#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

#include <string>
#include <vector>

namespace ui {

struct ControlTemplate {
    int id = 0;
    std::wstring className; // "Button", "Edit", "Static", "ComboBox", ... (any case)
    std::wstring text;      // caption; for SS_BITMAP / SS_ICON statics "#<resource>" works too
    unsigned style = 0;     // WS_CHILD | WS_VISIBLE are added by the dialog
    Rect rect;              // DLU: left, top, right, bottom (use dlu(x, y, cx, cy))
    unsigned exStyle = 0;
    bool hidden = false;    // created without WS_VISIBLE
    bool noTabStop = false; // suppress the default WS_TABSTOP of edits, lists, combos, buttons
};

struct DialogTemplate {
    int id = 0; // the dialog's number
    std::wstring caption;
    unsigned style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    unsigned exStyle = 0;
    Rect rect;      // DLU; width and height are the client area's size
    FontSpec font;  // default 8 pt "MS Shell Dlg"
    int menuId = 0; // menu bar resource, 0 = none
    std::vector<ControlTemplate> controls;
};

// x, y, width, height -> Rect (the usual way templates are written).
constexpr Rect dlu(int x, int y, int cx, int cy) {
    return Rect{x, y, x + cx, y + cy};
}

// Pixel size of one "base unit" pair for a font: {average char width, char height}.
Size dialogBaseUnits(const FontSpec& font);
// MapDialogRect: DLU rectangle -> pixels for a font.
Rect mapDialogRect(const Rect& dluRect, const FontSpec& font);

} // namespace ui
