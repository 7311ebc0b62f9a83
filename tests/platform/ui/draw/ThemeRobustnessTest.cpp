#include "platform/ui/draw/RecordingCanvas.h"
#include "platform/ui/draw/Theme.h"
#include "platform/ui/draw/Tracker.h"

#include <gtest/gtest.h>

#include <climits>

using namespace ui;

namespace {

// Controls hand the theme whatever state they hold; none of it may crash, loop or
// leave the canvas unbalanced, however odd (the sanitizer build checks overflow too).
TEST(ThemeRobustness, DegenerateRectanglesAndStatesAreHarmless) {
    const Rect rects[] = {{}, {10, 10, 5, 5}, {0, 0, 1, 1}, {-50, -50, 20000, 20000}};
    const int extremes[] = {INT_MIN, -1, 0, 3, INT_MAX};
    std::vector<ListItem> items(5, ListItem{L"item"});
    const std::wstring tabs[] = {L"a", L""};
    const ListViewColumn cols[] = {{L"c", 0}, {L"d", -20}, {L"e", INT_MAX}, {L"f", INT_MAX}};
    std::vector<ListViewRow> rows(3, ListViewRow{{L"x"}});
    const std::vector<MenuItemState> menu = {{L""}, {L"", true}, {L"&\t"}};
    const Bitmap tiny(1, 1);
    for (const Rect& r : rects) {
        for (int v : extremes) {
            RecordingCanvas c;
            paintDialogFrame(c, r, L"", FrameState{});
            ButtonState b;
            b.image = &tiny;
            paintPushButton(c, r, L"&", b);
            paintCheckBox(c, r, L"", CheckBoxState{static_cast<CheckState>(2)});
            paintGroupBox(c, r, L"x", false);
            EditState e;
            e.selStart = v;
            e.selEnd = v / -2;
            e.caret = v;
            e.scrollX = v;
            e.firstLine = v;
            e.focused = true;
            paintEdit(c, r, L"text\r\nmore", e);
            e.multiLine = true;
            paintEdit(c, r, L"text\r\nmore", e);
            (void)editCharFromPoint(r, L"text", e, {v, v});
            (void)editScrollForCaret(r, L"text", EditState{}, defaultGuiFont());
            ComboState cs;
            cs.image = &tiny;
            paintComboBox(c, r, L"x", cs);
            ListBoxState ls;
            ls.topIndex = v;
            ls.itemHeight = v;
            ls.caretIndex = v;
            paintListBox(c, r, items, ls);
            (void)listItemFromPoint(r, 5, ls, {v, v});
            TabState ts;
            ts.selected = v;
            paintTabControl(c, r, tabs, ts);
            ListViewState lv;
            lv.topIndex = v;
            lv.rowHeight = v;
            lv.iconCell = v;
            lv.scrollX = v;
            paintListView(c, r, cols, rows, lv);
            (void)listViewHitTest(r, cols, 3, lv, {v, v});
            (void)listViewHitTest(r, cols, 3, lv, {r.right - 1, r.top + 40});
            lv.mode = ListViewMode::Icon;
            paintListView(c, r, cols, rows, lv);
            (void)listViewHitTest(r, cols, 3, lv, {v, v});
            ScrollBarState sb;
            sb.min = v;
            sb.max = v / -2;
            sb.page = v;
            sb.pos = v;
            paintScrollBar(c, r, sb);
            sb.min = INT_MIN;
            sb.max = INT_MAX;
            paintScrollBar(c, r, sb);
            paintProgress(c, r, v, v / -2, v);
            paintTooltip(c, r, L"");
            paintMenu(c, r, menu);
            paintMenuBar(c, r, menu);
            paintToolbarButton(c, r, tiny, {v, v, 16, 15}, ToolbarButtonState{});
            paintTracker(c, r);
            paintPicture(c, r, tiny);
            EXPECT_EQ(c.clipDepth(), 0);
            EXPECT_EQ(c.originDepth(), 0);
        }
    }
}

} // namespace
