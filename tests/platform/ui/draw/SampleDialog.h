#pragma once
// A composed sample dialog painted with the theme functions, shared by the theme
// tests (recording and PNG snapshot).

#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/Theme.h"
#include "platform/ui/draw/Tracker.h"

#include <string>
#include <vector>

namespace drawtest {

inline constexpr ui::Size kSampleDialogSize{560, 450};

using namespace ui; // test helpers only

inline Bitmap sampleIcon() {
    Bitmap b(16, 16, 0x00000000u);
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x)
            b.set(x, y, (x == 2 || y == 2 || x == 13 || y == 13) ? 0xFF004080u : 0xFF3C9BE6u);
    for (int i = 4; i < 12; ++i)
        b.set(i, i, 0xFFFFFFFFu);
    return b;
}

// A toolbar strip of three 16 x 15 pictures on the (192,192,192) key colour.
inline Bitmap sampleStrip() {
    Bitmap b(48, 15, Bitmap::argb({192, 192, 192}));
    const std::uint32_t colours[] = {0xFF2E7D32u, 0xFFC62828u, 0xFF1565C0u};
    for (int i = 0; i < 3; ++i)
        for (int y = 3; y < 12; ++y)
            for (int x = 3; x < 13; ++x)
                if (i != 1 || (x + y) % 4 != 0)
                    b.set(i * 16 + x, y, colours[i]);
    return b;
}

inline void paintSampleDialog(Canvas& c) {
    const Rect window{0, 0, kSampleDialogSize.cx, kSampleDialogSize.cy};
    FrameState frame;
    paintDialogFrame(c, window, L"Macro settings - sample", frame);
    const Rect client = frameClientRect(window, frame);
    OriginScope origin(c, {client.left, client.top});

    // Menu bar and toolbar above the controls.
    const std::vector<MenuItemState> bar = {
        {L"&File"}, {L"&Edit", false, false, false, false, false, true}, {L"&View"}, {L"&Help"}};
    paintMenuBar(c, {0, 0, client.width(), 20}, bar);
    paintToolbarBackground(c, {0, 20, client.width(), 48});
    const Bitmap strip = sampleStrip();
    for (int i = 0; i < 6; ++i) {
        ToolbarButtonState tb;
        tb.separator = i == 3;
        tb.checked = i == 1;
        tb.disabled = i == 5;
        paintToolbarButton(c, Rect::fromSize(4 + i * 24, 23, 23, 22), strip,
                           Rect::fromSize((i % 3) * 16, 0, 16, 15), tb);
    }
    OriginScope below(c, {0, 50});

    // Left column: a group of check boxes and radios.
    paintGroupBox(c, {8, 6, 200, 150}, L"&Options", false);
    CheckBoxState cb;
    paintCheckBox(c, {18, 24, 195, 42}, L"&Unchecked option", cb);
    cb.check = CheckState::Checked;
    cb.focused = true;
    paintCheckBox(c, {18, 44, 195, 62}, L"Checked with focus", cb);
    cb.check = CheckState::Indeterminate;
    cb.focused = false;
    paintCheckBox(c, {18, 64, 195, 82}, L"Indeterminate", cb);
    cb.disabled = true;
    cb.check = CheckState::Checked;
    paintCheckBox(c, {18, 84, 195, 102}, L"Disabled, checked", cb);
    CheckBoxState rb;
    rb.check = CheckState::Checked;
    paintRadioButton(c, {18, 106, 100, 124}, L"&Left", rb);
    rb.check = CheckState::Unchecked;
    paintRadioButton(c, {100, 106, 195, 124}, L"Right", rb);
    rb.disabled = true;
    paintRadioButton(c, {18, 126, 195, 144}, L"Disabled radio", rb);

    // Labels and edits.
    paintStatic(c, {212, 10, 290, 26}, L"&Name:", {});
    EditState edit;
    edit.focused = true;
    edit.selStart = 6;
    edit.selEnd = 11;
    paintEdit(c, {292, 6, 544, 28}, L"Plate 20x200 S235", edit);
    paintStatic(c, {212, 38, 290, 54}, L"Profile:", {});
    ComboState combo;
    paintComboBox(c, {292, 34, 544, 56}, L"HEA 200", combo);
    paintStatic(c, {212, 66, 290, 82}, L"Read only:", {});
    EditState ro;
    ro.readOnly = true;
    paintEdit(c, {292, 62, 418, 84}, L"12.50", ro);
    EditState dis;
    dis.disabled = true;
    paintEdit(c, {422, 62, 544, 84}, L"disabled", dis);
    EditState multi;
    multi.multiLine = true;
    multi.focused = true;
    multi.caret = 10;
    paintEdit(c, {212, 90, 544, 146},
              L"A multi-line edit wraps its text at the width of the control.\r\nSecond paragraph.",
              multi);

    // List box with a scroll bar and a list view.
    std::vector<ListItem> items;
    for (int i = 1; i <= 9; ++i)
        items.push_back({L"Item number " + std::to_wstring(i), i == 3, false, nullptr});
    ListBoxState lb;
    lb.focused = true;
    lb.caretIndex = 2;
    paintListBox(c, {8, 158, 200, 250}, items, lb);

    const ListViewColumn cols[] = {{L"Name", 120}, {L"Value", 70, TextFlags::Right}, {L"Unit", 60}};
    std::vector<ListViewRow> rows = {
        {{L"Length", L"1250.00", L"mm"}, false, true},
        {{L"Width", L"200.00", L"mm"}, true, false, true},
        {{L"Thickness", L"20.00", L"mm"}, false, true},
        {{L"Material", L"S235", L""}, false, false},
    };
    ListViewState lv;
    lv.checkBoxes = true;
    lv.focused = true;
    lv.gridLines = true;
    paintListView(c, {212, 158, 544, 250}, cols, rows, lv);

    // Tab control with a page label.
    const std::wstring tabs[] = {L"General", L"&Profile", L"Bolts", L"Advanced settings"};
    TabState ts;
    ts.selected = 1;
    paintTabControl(c, {8, 258, 320, 330}, tabs, ts);
    paintStatic(c, {20, 290, 310, 320}, L"Contents of the profile page.", {});
    ScrollBarState sb;
    sb.vertical = false;
    sb.max = 100;
    sb.page = 20;
    sb.pos = 40;
    paintScrollBar(c, {330, 258, 544, 275}, sb);
    paintProgress(c, {330, 282, 544, 296}, 0, 100, 65);

    // Buttons along the bottom.
    const Bitmap icon = sampleIcon();
    ButtonState iconButton;
    iconButton.image = &icon;
    iconButton.flat = true;
    paintPushButton(c, {330, 304, 352, 326}, L"", iconButton);
    ButtonState iconText;
    iconText.image = &icon;
    paintPushButton(c, {356, 304, 450, 326}, L"&Preview", iconText);
    ButtonState pressed;
    pressed.pressed = true;
    paintPushButton(c, {454, 304, 544, 326}, L"Pressed", pressed);
    ButtonState ok;
    ok.isDefault = true;
    ok.focused = true;
    paintPushButton(c, {290, 338, 370, 362}, L"OK", ok);
    paintPushButton(c, {376, 338, 456, 362}, L"Cancel", {});
    ButtonState disabled;
    disabled.disabled = true;
    paintPushButton(c, {462, 338, 544, 362}, L"&Apply", disabled);

    // A tooltip and an open popup menu over the dialog.
    const std::wstring tip = L"Deletes the selected row";
    const Size tipSize = tooltipSize(tip);
    paintTooltip(c, Rect::fromSize(60, 338, tipSize.cx, tipSize.cy), tip);
    std::vector<MenuItemState> menu = {
        {L"&Insert row\tIns"},
        {L"&Delete row\tDel", false, false, false, false, false, true},
        {L"", true},
        {L"Show &grid", false, true},
        {L"Greyed item", false, false, false, true},
        {L"Sort", false, false, false, false, true},
    };
    const Size ms = menuSize(menu);
    paintMenu(c, Rect::fromSize(86, 44, ms.cx, ms.cy), menu);
}

inline constexpr ui::Size kGallerySize{420, 300};

// Other states side by side: icon view, focused and picture combos, a check-combo list,
// a splash-like coloured static, a designer tracker, a disabled tab control.
inline void paintGallery(Canvas& c) {
    c.fillRect({0, 0, kGallerySize.cx, kGallerySize.cy}, theme::kFace);
    Bitmap preview(64, 40, 0xFFDDE8F0u);
    for (int x = 4; x < 60; ++x) {
        preview.set(x, 20, 0xFF203040u);
        preview.set(x, 21, 0xFF203040u);
    }
    for (int y = 6; y < 34; ++y) {
        preview.set(10, y, 0xFFB03030u);
        preview.set(53, y, 0xFFB03030u);
    }
    std::vector<ListViewRow> icons = {
        {{L"End plate"}}, {{L"Base plate with stiffeners"}, true}, {{L"Splice"}}, {{L"Haunch"}}};
    for (auto& r : icons)
        r.image = &preview;
    ListViewState iv;
    iv.mode = ListViewMode::Icon;
    iv.focused = true;
    paintListView(c, {8, 8, 200, 200}, {}, icons, iv);

    ComboState focused;
    focused.focused = true;
    paintComboBox(c, {212, 8, 410, 30}, L"Focused drop list", focused);
    const Bitmap line(40, 3, 0xFF000000u);
    ComboState picker;
    picker.image = &line;
    paintComboBox(c, {212, 36, 410, 58}, L"Thick line", picker);
    ComboState dropped;
    dropped.dropped = true;
    paintComboBox(c, {212, 64, 410, 86}, L"Dropped", dropped);
    std::vector<ListItem> checks = {
        {L"Plates", false, true}, {L"Profiles", true, true}, {L"Bolts", false, false}};
    ListBoxState cl;
    cl.checkBoxes = true;
    paintListBox(c, {212, 86, 410, 140}, checks, cl);

    StaticState splash;
    splash.background = Color{0, 50, 127};
    splash.textColor = Color{255, 255, 255};
    splash.align = TextFlags::Center;
    splash.centerVertically = true;
    paintStatic(c, {212, 148, 410, 176}, L"Version 8.0 - splash text", splash);

    paintStatic(c, {20, 214, 120, 230}, L"Designer:", {});
    paintTracker(c, {30, 238, 130, 270});
    const std::wstring tabs[] = {L"One", L"Two"};
    TabState dt;
    dt.disabled = true;
    paintTabControl(c, {212, 186, 410, 292}, tabs, dt);
    ButtonState pushLike;
    pushLike.pressed = true;
    pushLike.image = nullptr;
    paintPushButton(c, {230, 220, 300, 244}, L"Checked", pushLike);
    ComboState editable;
    editable.editable = true;
    paintComboBox(c, {230, 252, 390, 274}, L"", editable);
    EditState inner;
    inner.clientEdge = false;
    paintEdit(c, comboEditRect({230, 252, 390, 274}), L"typed value", inner);
}

} // namespace drawtest
