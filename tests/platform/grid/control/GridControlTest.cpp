#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/draw/RecordingCanvas.h"
#include "platform/ui/draw/TextMetrics.h"

namespace {

using grid::GridControl;

// A parent window that records what the grid tells it.
struct Event {
    unsigned msg = 0; // message number, or WM_COMMAND / WM_NOTIFY
    int code = 0;     // command / notify code
    int col = 0, row = 0, newCol = 0, newRow = 0;
};

class Recorder : public ui::Window {
public:
    std::vector<Event> events;
    int count(unsigned msg, int code = 0) const {
        int n = 0;
        for (const Event& e : events)
            n += e.msg == msg && e.code == code;
        return n;
    }
    const Event* last(unsigned msg, int code = 0) const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->msg == msg && it->code == code)
                return &*it;
        return nullptr;
    }

protected:
    bool onMessage(unsigned msg, ui::WPARAM, ui::LPARAM l, ui::LRESULT& result) override {
        if (msg >= 0x500 && msg < 0x530) {
            auto* e = reinterpret_cast<grid::GridCellEvent*>(l);
            events.push_back({msg, 0, e->col, e->row, e->newCol, e->newRow});
            result = 0;
            return true;
        }
        return false;
    }
    bool onCommand(int, int code, ui::Window*) override {
        events.push_back({ui::WM_COMMAND, code});
        return true;
    }
    bool onNotify(ui::NotifyHeader& h, ui::LRESULT&) override {
        auto& n = reinterpret_cast<grid::NotifyGrid&>(h);
        events.push_back({ui::WM_NOTIFY, h.code, n.col, n.row, n.newCol, n.newRow});
        return true;
    }
};

class GridControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::app().resetForTests();
        parent = std::make_unique<Recorder>();
        ASSERT_TRUE(parent->create(L"GridTestParent", L"", ui::WS_OVERLAPPED | ui::WS_VISIBLE,
                                   ui::Rect{0, 0, 600, 400}, nullptr, 0));
        ASSERT_TRUE(g.create(grid::kGridClassName, L"",
                             ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP,
                             ui::Rect{0, 0, 500, 300}, parent.get(), 77));
        g.setMaxCols(4);
        g.setMaxRows(30);
        g.sheet().setChanged(false);
    }
    void TearDown() override {
        EXPECT_TRUE(ui::app().failures().empty());
        g.destroyWindow();
        parent->destroyWindow();
    }
    // Centre of a cell in the parent's client coordinates (grid at the origin).
    ui::Point at(int col, int row) const {
        ui::Rect r = g.cellRect(col, row);
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }
    void clickCell(int col, int row, unsigned mods = 0) {
        ASSERT_TRUE(ui::mouseDown(*parent, at(col, row), mods));
        ui::mouseUp(*parent, at(col, row));
    }

    ui::ScriptedDriver driver;
    std::unique_ptr<Recorder> parent;
    GridControl g;
};

TEST_F(GridControlTest, ClassIsRegisteredUnderItsCanonicalName) {
    EXPECT_EQ(ui::canonicalClassName(L"FPUSPREAD70"), L"fpUSpread70");
    EXPECT_EQ(g.className(), L"fpUSpread70");
    auto made = ui::makeWindowOfClass(L"fpuspread70");
    EXPECT_NE(dynamic_cast<GridControl*>(made.get()), nullptr);
}

TEST_F(GridControlTest, ClickMovesTheActiveCellAndTellsTheParent) {
    int col = 0, row = 0;
    EXPECT_FALSE(g.activeCell(col, row)) << "a new grid has no active cell";
    clickCell(2, 3);
    ASSERT_TRUE(g.activeCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_TRUE(g.hasFocus());
    const Event* leave = parent->last(grid::kMsgLeaveCell);
    ASSERT_NE(leave, nullptr);
    EXPECT_EQ(leave->newCol, 2);
    EXPECT_EQ(leave->newRow, 3);
    EXPECT_EQ(parent->count(ui::WM_COMMAND, grid::kCodeClick), 1);
    EXPECT_EQ(parent->count(ui::WM_NOTIFY, grid::kNotifyRowChanged), 1);
    ASSERT_NE(parent->last(ui::WM_NOTIFY, grid::kNotifyCellClicked), nullptr);

    // Shift+click spans a block from the active cell; a drag selects one too.
    clickCell(4, 5, ui::kModShift);
    grid::CellRange b;
    ASSERT_TRUE(g.selection(b));
    EXPECT_EQ(b, (grid::CellRange{2, 3, 4, 5}));
    ASSERT_TRUE(ui::drag(*parent, at(1, 1), at(3, 2)));
    ASSERT_TRUE(g.selection(b));
    EXPECT_EQ(b, (grid::CellRange{1, 1, 3, 2}));
}

TEST_F(GridControlTest, HeaderClicksSelectAWholeColumnOrRow) {
    ASSERT_TRUE(ui::mouseDown(*parent, at(3, 0)));
    grid::CellRange b;
    ASSERT_TRUE(g.selection(b));
    EXPECT_EQ(b.col1, 3);
    EXPECT_LT(b.row1, 1) << "all rows";
    const Event* e = parent->last(ui::WM_NOTIFY, grid::kNotifyHeaderClicked);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->col, 3);
    ASSERT_TRUE(ui::mouseDown(*parent, at(0, 2)));
    ASSERT_TRUE(g.selection(b));
    EXPECT_EQ(b.row1, 2);
    EXPECT_LT(b.col1, 1);
}

TEST_F(GridControlTest, TypingEditsTheCellAndEnterCommits) {
    clickCell(1, 1);
    parent->events.clear();
    ASSERT_TRUE(ui::typeText(L"beam"));
    EXPECT_TRUE(g.isEditing());
    EXPECT_EQ(g.editText(), L"beam");
    EXPECT_EQ(parent->count(grid::kMsgEditModeOn), 1);
    EXPECT_EQ(parent->count(grid::kMsgEditChange), 4);
    EXPECT_EQ(g.data(1, 1), L"") << "nothing written before the edit ends";
    // Caret and text selection: Shift+Home selects everything before the caret.
    ASSERT_TRUE(ui::key(ui::VK_LEFT));
    ASSERT_TRUE(ui::key(ui::VK_HOME, ui::kModShift));
    int s = 0, e = 0;
    g.editSel(s, e);
    EXPECT_EQ(s, 3);
    EXPECT_EQ(e, 0);
    ASSERT_TRUE(ui::typeText(L"B"));
    EXPECT_EQ(g.editText(), L"Bm");
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_FALSE(g.isEditing());
    EXPECT_EQ(g.data(1, 1), L"Bm");
    EXPECT_TRUE(g.option(30)) << "changed flag";
    EXPECT_EQ(parent->count(grid::kMsgCellChanged), 1);
    EXPECT_EQ(parent->count(grid::kMsgChangeMade), 1);
    EXPECT_EQ(parent->count(grid::kMsgEditModeOff), 1);

    // Escape throws the typed text away; F2 edits the current text.
    ASSERT_TRUE(ui::typeText(L"zzz"));
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    EXPECT_EQ(g.data(1, 1), L"Bm");
    ASSERT_TRUE(ui::key(ui::VK_F2));
    ASSERT_TRUE(ui::typeText(L"!"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(g.data(1, 1), L"Bm!");
}

TEST_F(GridControlTest, CellRulesHoldWhileEditing) {
    g.sheet().setCellType(1, 1, grid::CellType::numberType(2, 0, 100));
    g.sheet().setCellType(2, 1, grid::CellType::edit(3));
    g.sheet().setLocked({3, 1, 3, 1}, true);
    clickCell(1, 1);
    ASSERT_TRUE(ui::typeText(L"abc"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_TRUE(g.isEditing()) << "a number cell refuses text and stays in edit mode";
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    ASSERT_TRUE(ui::typeText(L"12.5"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(g.data(1, 1), L"12.50");
    EXPECT_EQ(g.value(1, 1), L"12.5");

    clickCell(2, 1);
    ASSERT_TRUE(ui::typeText(L"abcdef"));
    EXPECT_EQ(g.editText(), L"abc") << "maximum length of the edit type";
    ASSERT_TRUE(ui::key(ui::VK_RETURN));

    clickCell(3, 1);
    ASSERT_TRUE(ui::typeText(L"x"));
    EXPECT_FALSE(g.isEditing()) << "locked cells are not edited";
    EXPECT_EQ(g.data(3, 1), L"");
}

TEST_F(GridControlTest, CheckBoxButtonAndComboCellsAct) {
    g.sheet().setCellType(1, 2, grid::CellType::checkBox(768));
    g.sheet().setCellType(2, 2, grid::CellType::button("Pick"));
    g.sheet().setCellType(3, 2, grid::CellType::comboBox("A\tB\tC"));
    g.sheet().setCellType(4, 2, grid::CellType::checkBox(768));
    g.sheet().setLocked({4, 2, 4, 2}, true);

    clickCell(1, 2);
    EXPECT_EQ(g.value(1, 2), L"1");
    EXPECT_EQ(parent->count(ui::WM_COMMAND, grid::kCodeCheckOn), 1);
    EXPECT_EQ(parent->count(grid::kMsgCellChanged), 1);
    clickCell(1, 2);
    EXPECT_EQ(g.value(1, 2), L"0");
    EXPECT_EQ(parent->count(ui::WM_COMMAND, grid::kCodeCheckOffOrButton), 1);
    // Space toggles the active check box too.
    ASSERT_TRUE(ui::key(ui::VK_SPACE));
    EXPECT_EQ(g.value(1, 2), L"1");

    clickCell(4, 2);
    EXPECT_EQ(g.value(4, 2), L"0") << "a locked check box does not change";

    parent->events.clear();
    clickCell(2, 2);
    EXPECT_EQ(parent->count(ui::WM_COMMAND, grid::kCodeCheckOffOrButton), 1);
    EXPECT_EQ(parent->count(ui::WM_NOTIFY, grid::kNotifyButtonClicked), 1);
    int col = 0, row = 0;
    ASSERT_TRUE(g.activeCell(col, row));
    EXPECT_EQ(col, 2) << "the active cell is the pressed button's before the parent hears of it";

    // The combo's drop button opens its list; the value is the chosen item's index.
    ui::Rect r = g.cellRect(3, 2);
    ASSERT_TRUE(ui::mouseDown(*parent, {r.right - 5, r.top + 5}));
    ui::mouseUp(*parent, {r.right - 5, r.top + 5});
    ASSERT_TRUE(g.comboListOpen());
    EXPECT_EQ(g.value(3, 2), L"") << "opening the list chooses nothing";
    EXPECT_TRUE(g.chooseComboItem(2));
    EXPECT_EQ(g.data(3, 2), L"C");
    EXPECT_FALSE(g.chooseComboItem(3));
    EXPECT_EQ(parent->count(grid::kMsgComboSelChange), 1);
}

TEST_F(GridControlTest, ComboCellsOpenAListToChooseFrom) {
    g.sheet().setCellType(2, 3, grid::CellType::comboBox("Steel\tWood\tConcrete"));
    const ui::Rect cell = g.cellRect(2, 3);
    const ui::Point button{cell.right - 4, cell.top + cell.height() / 2};
    auto press = [&](ui::Point p) {
        ASSERT_TRUE(ui::mouseDown(*parent, p));
        ui::mouseUp(*parent, p);
    };
    press(button);
    ASSERT_TRUE(g.comboListOpen());
    const ui::Rect list = g.comboListRect();
    EXPECT_EQ(list.top, cell.bottom) << "below the cell";
    EXPECT_EQ(list.left, cell.left);
    EXPECT_EQ(g.comboListHot(), 0);
    // What the list shows is drawn over the cells below it.
    ui::RecordingCanvas canvas(ui::Size{500, 300});
    g.paintTree(canvas);
    auto texts = canvas.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Concrete"), texts.end());
    // A click on the third item chooses it; the list closes.
    const int itemHeight = g.rowHeightPx(3);
    press({list.left + 10, list.top + 1 + 2 * itemHeight + itemHeight / 2});
    EXPECT_FALSE(g.comboListOpen());
    EXPECT_EQ(g.data(2, 3), L"Concrete");
    EXPECT_EQ(g.value(2, 3), L"2");
    EXPECT_EQ(parent->count(grid::kMsgComboSelChange), 1);
    EXPECT_TRUE(g.sheet().changed());

    // The keyboard: F4 opens at the chosen item, Up, Enter chooses.
    ASSERT_TRUE(ui::key(ui::VK_F4));
    ASSERT_TRUE(g.comboListOpen());
    EXPECT_EQ(g.comboListHot(), 2);
    ASSERT_TRUE(ui::key(ui::VK_UP));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_FALSE(g.comboListOpen());
    EXPECT_EQ(g.data(2, 3), L"Wood");
    // Escape closes without choosing; Alt+Down opens too; Down stops at the last item.
    ASSERT_TRUE(ui::key(ui::VK_DOWN, ui::kModAlt));
    ASSERT_TRUE(g.comboListOpen());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(ui::key(ui::VK_DOWN));
    EXPECT_EQ(g.comboListHot(), 2);
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    EXPECT_FALSE(g.comboListOpen());
    EXPECT_EQ(g.data(2, 3), L"Wood");
    // A press elsewhere closes the list and does what it does there.
    press(button);
    ASSERT_TRUE(g.comboListOpen());
    press(at(1, 1));
    EXPECT_FALSE(g.comboListOpen());
    int col = 0, row = 0;
    ASSERT_TRUE(g.activeCell(col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(g.data(2, 3), L"Wood");
    // A locked combo opens nothing.
    g.sheet().setLocked({2, 3, 2, 3}, true);
    press(button);
    EXPECT_FALSE(g.comboListOpen());
}

TEST_F(GridControlTest, AComboListAtTheBottomOpensAboveItsCell) {
    int last = 1; // the lowest row shown whole
    while (g.cellRect(1, last + 1).height() > 0 &&
           g.cellRect(1, last + 1).bottom <= g.dataArea().bottom)
        ++last;
    g.sheet().setCellType(1, last, grid::CellType::comboBox("a\tb\tc\td"));
    const ui::Rect cell = g.cellRect(1, last);
    ASSERT_GT(cell.height(), 0) << last;
    ASSERT_TRUE(g.setActiveCell(1, last));
    ASSERT_TRUE(g.openComboList());
    const ui::Rect list = g.comboListRect();
    EXPECT_EQ(list.bottom, cell.top);
    EXPECT_GE(list.top, 0);
    EXPECT_EQ(g.comboListItemAt({list.left + 5, list.top + 2}), 0);
    EXPECT_EQ(g.comboListItemAt({list.left + 5, list.bottom - 2}), 3);
    EXPECT_EQ(g.comboListItemAt({list.left + 5, list.bottom + 2}), -1);
}

TEST_F(GridControlTest, ScrollBarsScrollByArrowPageThumbAndWheel) {
    g.setMaxCols(40);
    ASSERT_TRUE(g.vScrollBarShown());
    ASSERT_TRUE(g.hScrollBarShown());
    const ui::Rect v = g.vScrollBarRect(), h = g.hScrollBarRect();
    const ui::Rect client = g.getClientRect();
    EXPECT_EQ(v.right, client.right);
    EXPECT_EQ(h.bottom, client.bottom);
    EXPECT_EQ(g.dataArea().right, v.left);
    EXPECT_EQ(g.dataArea().bottom, h.top);
    auto press = [&](ui::Point p) {
        ASSERT_TRUE(ui::mouseDown(*parent, p));
        ui::mouseUp(*parent, p);
    };
    const int mid = v.left + v.width() / 2;
    // Arrows: one row.
    press({mid, v.bottom - 3});
    EXPECT_EQ(g.topRow(), 2);
    press({mid, v.top + 3});
    EXPECT_EQ(g.topRow(), 1);
    press({mid, v.top + 3});
    EXPECT_EQ(g.topRow(), 1) << "not before the first row";
    int col = 0, row = 0;
    EXPECT_FALSE(g.activeCell(col, row)) << "a press on a bar is no press on a cell";
    // Beside the thumb: a page.
    press({mid, v.bottom - ui::theme::kScrollBarSize - 3});
    EXPECT_GT(g.topRow(), 5);
    const int page = g.topRow() - 1;
    press({mid, v.top + ui::theme::kScrollBarSize + 1});
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_GT(page, 0);
    // The thumb dragged to the end shows the last row whole; back to the start.
    ASSERT_TRUE(ui::drag(*parent, {mid, v.top + ui::theme::kScrollBarSize + 3}, {mid, v.bottom}));
    EXPECT_EQ(g.topRow(), g.lastTopRow());
    EXPECT_GT(g.topRow(), 1);
    const ui::Rect lastRow = g.cellRect(1, g.maxRows());
    ASSERT_GT(lastRow.height(), 0);
    EXPECT_LE(lastRow.bottom, g.dataArea().bottom);
    press({mid, v.bottom - 3});
    EXPECT_EQ(g.topRow(), g.lastTopRow()) << "not past the last row";
    ASSERT_TRUE(ui::drag(*parent, {mid, v.bottom - ui::theme::kScrollBarSize - 3}, {mid, 0}));
    EXPECT_EQ(g.topRow(), 1);
    // The horizontal bar to the last column.
    const int hmid = h.top + h.height() / 2;
    ASSERT_TRUE(ui::drag(*parent, {h.left + ui::theme::kScrollBarSize + 3, hmid}, {h.right, hmid}));
    EXPECT_EQ(g.leftCol(), g.lastLeftCol());
    const ui::Rect lastCol = g.cellRect(40, 1);
    ASSERT_GT(lastCol.width(), 0);
    EXPECT_LE(lastCol.right, g.dataArea().right);
    // The wheel: three rows a notch.
    auto wheel = [&](int delta) {
        g.sendMessage(grid::kMsgMouseWheel,
                      static_cast<ui::WPARAM>(static_cast<unsigned>(delta & 0xFFFF) << 16), 0);
    };
    wheel(-grid::kWheelDelta);
    EXPECT_EQ(g.topRow(), 4);
    wheel(grid::kWheelDelta);
    EXPECT_EQ(g.topRow(), 1);
    wheel(grid::kWheelDelta);
    EXPECT_EQ(g.topRow(), 1);
    // Drawn: the bars' arrows and thumbs are part of the grid's picture.
    ui::RecordingCanvas canvas(ui::Size{500, 300});
    g.paintTree(canvas);
    bool drewInBar = false;
    for (const auto& item : canvas.items())
        drewInBar |=
            item.rect.left >= v.left && item.rect.top >= v.top && item.rect.bottom <= v.bottom;
    EXPECT_TRUE(drewInBar);
}

TEST_F(GridControlTest, ScrollBarsFollowTheirOptionsAndOnlyWhenNeeded) {
    g.setOption(11, false);
    EXPECT_FALSE(g.vScrollBarShown());
    EXPECT_EQ(g.dataArea(), g.getClientRect());
    g.setOption(11, true);
    g.setMaxRows(3); // everything fits: no bar
    EXPECT_FALSE(g.vScrollBarShown());
    EXPECT_FALSE(g.hScrollBarShown());
    EXPECT_EQ(g.lastTopRow(), 1);
    // Keyboard scrolling keeps the active cell clear of the bar.
    g.setMaxRows(100);
    ASSERT_TRUE(g.setActiveCell(1, 100));
    const ui::Rect r = g.cellRect(1, 100);
    ASSERT_GT(r.height(), 0);
    EXPECT_LE(r.bottom, g.dataArea().bottom);
    EXPECT_EQ(g.topRow(), g.lastTopRow());
}

TEST_F(GridControlTest, RightButtonCarriesTheCellAndKeepsABlockItFallsIn) {
    clickCell(1, 1);
    clickCell(2, 2, ui::kModShift);
    ASSERT_TRUE(ui::rightClick(*parent, at(2, 1)));
    const Event* e = parent->last(grid::kMsgRightClick);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->col, 2);
    EXPECT_EQ(e->row, 1);
    EXPECT_TRUE(g.hasSelection()) << "a press inside the block keeps it";
    ASSERT_TRUE(ui::rightClick(*parent, at(4, 6)));
    EXPECT_FALSE(g.hasSelection());
    int col = 0, row = 0;
    ASSERT_TRUE(g.activeCell(col, row));
    EXPECT_EQ(col, 4);
    EXPECT_EQ(row, 6);
    EXPECT_NE(parent->last(ui::WM_NOTIFY, grid::kNotifyRightClick), nullptr);
}

TEST_F(GridControlTest, KeyboardNavigationStaysInsideTheSheetAndScrolls) {
    clickCell(1, 1);
    int col = 0, row = 0;
    ASSERT_TRUE(ui::key(ui::VK_LEFT));
    ASSERT_TRUE(ui::key(ui::VK_UP));
    g.activeCell(col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(ui::key(ui::VK_END));
    g.activeCell(col, row);
    EXPECT_EQ(col, 4);
    // Tab at the end of a row goes on at the start of the next; Shift+Tab comes back.
    ASSERT_TRUE(ui::key(ui::VK_TAB));
    g.activeCell(col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
    ASSERT_TRUE(ui::key(ui::VK_TAB, ui::kModShift));
    g.activeCell(col, row);
    EXPECT_EQ(col, 4);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(ui::key(ui::VK_END, ui::kModCtrl));
    g.activeCell(col, row);
    EXPECT_EQ(row, 30);
    EXPECT_GT(g.topRow(), 1) << "the last row was scrolled into view";
    EXPECT_GT(g.cellRect(4, 30).width(), 0);
    ASSERT_TRUE(ui::key(ui::VK_HOME, ui::kModCtrl));
    EXPECT_EQ(g.topRow(), 1);
    ASSERT_TRUE(ui::key(ui::VK_DOWN, ui::kModShift));
    grid::CellRange b;
    ASSERT_TRUE(g.selection(b));
    EXPECT_EQ(b, (grid::CellRange{1, 1, 1, 2}));
}

TEST_F(GridControlTest, BlocksGoThroughTheClipboard) {
    g.setData(1, 1, L"a");
    g.setData(2, 1, L"b");
    g.setData(1, 2, L"c");
    g.setData(2, 2, L"1.5");
    clickCell(1, 1);
    clickCell(2, 2, ui::kModShift);
    ASSERT_TRUE(ui::key('C', ui::kModCtrl));
    EXPECT_EQ(ui::clipboardText(), L"a\tb\r\nc\t1.5\r\n");
    clickCell(3, 4);
    parent->events.clear();
    ASSERT_TRUE(ui::key('V', ui::kModCtrl));
    EXPECT_EQ(g.data(3, 4), L"a");
    EXPECT_EQ(g.data(4, 5), L"1.5");
    EXPECT_EQ(parent->count(grid::kMsgCellChanged), 1);
    // Cells beyond the sheet are dropped, not written.
    ASSERT_TRUE(g.setActiveCell(4, 30));
    clickCell(4, 30);
    ASSERT_TRUE(ui::key('V', ui::kModCtrl));
    EXPECT_EQ(g.data(4, 30), L"a");
}

// A clipboard of the system (another program's): copies reach it, and its text, with
// the bare line ends other programs write, pastes as a block.
TEST_F(GridControlTest, ClipboardBackendTakesCopiesAndGivesPastes) {
    struct Recording : ui::ClipboardBackend {
        std::wstring held;
        int sets = 0;
        void setText(std::wstring_view t) override {
            held = t;
            ++sets;
        }
        std::optional<std::wstring> text() override { return held; }
    } system;
    ui::setClipboardBackend(&system);
    g.setData(1, 1, L"x");
    clickCell(1, 1);
    ASSERT_TRUE(ui::key('C', ui::kModCtrl));
    EXPECT_EQ(system.sets, 1);
    EXPECT_EQ(system.held, L"x\r\n");
    system.held = L"p\tq\nr\n";
    clickCell(2, 3);
    ASSERT_TRUE(ui::key('V', ui::kModCtrl));
    ui::setClipboardBackend(nullptr);
    EXPECT_EQ(g.data(2, 3), L"p");
    EXPECT_EQ(g.data(3, 3), L"q");
    EXPECT_EQ(g.data(2, 4), L"r");
    EXPECT_EQ(g.data(2, 5), L"");
    // An empty system clipboard pastes nothing.
    system.held.clear();
    ui::setClipboardBackend(&system);
    EXPECT_FALSE(g.clipboardPaste());
    ui::setClipboardBackend(nullptr);
}

TEST_F(GridControlTest, TextTipsShowNotesAndCutTexts) {
    g.setTextTip(2, 10);
    g.setNote(1, 1, L"check the weld");
    g.setData(2, 1, L"a text far too long for one narrow column of the grid");
    g.setData(3, 1, L"short");
    EXPECT_EQ(ui::hoverTooltip(*parent, at(1, 1)), L"check the weld");
    EXPECT_EQ(ui::hoverTooltip(*parent, at(2, 1)),
              L"a text far too long for one narrow column of the grid");
    EXPECT_EQ(ui::hoverTooltip(*parent, at(3, 1)), L"");
    g.setTextTip(0, 0);
    EXPECT_EQ(ui::hoverTooltip(*parent, at(1, 1)), L"") << "tips off";
}

TEST_F(GridControlTest, FittingMeasuresTheWidestTextInEachCellsFont) {
    g.setData(2, 1, L"short");
    g.setData(2, 2, L"W\u00e9ight of the b\u00e8am \u4e2d");
    grid::Font bold;
    bold.weight = 700;
    g.sheet().setFont({2, 2, 2, 2}, bold);
    const int expected = ui::fixedTextExtent(grid::toUiFont(bold), g.data(2, 2)).cx + 6;
    EXPECT_EQ(g.maxTextWidth(2), expected);
    EXPECT_EQ(g.maxTextWidth(3), 20) << "an empty column keeps a minimum width";
    EXPECT_GT(g.maxTextHeight(2), 0);
}

TEST_F(GridControlTest, PaintsHeadersCellsAndTheEditedText) {
    g.setData(1, 1, L"IPE 200");
    g.setData(0, 2, L"Second");
    clickCell(2, 1);
    ASSERT_TRUE(ui::typeText(L"HEA"));
    ui::RecordingCanvas canvas(ui::Size{500, 300});
    g.paintTree(canvas);
    auto texts = canvas.texts();
    auto has = [&](const std::wstring& t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_TRUE(has(L"A"));
    EXPECT_TRUE(has(L"D"));
    EXPECT_TRUE(has(L"1"));
    EXPECT_TRUE(has(L"Second"));
    EXPECT_TRUE(has(L"IPE 200"));
    EXPECT_TRUE(has(L"HEA"));
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
}

} // namespace
