#include "SampleDialog.h"

#include "platform/ui/draw/CairoCanvas.h"
#include "platform/ui/draw/RecordingCanvas.h"
#include "platform/ui/draw/TextMetrics.h"
#include "platform/ui/draw/Theme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace ui;

namespace {

const DrawItem* textItem(const RecordingCanvas& c, std::wstring_view exact) {
    for (const DrawItem& item : c.items())
        if (item.kind == DrawKind::Text && item.lines.size() == 1 && item.lines[0] == exact)
            return &item;
    return nullptr;
}

std::vector<const DrawItem*> fillsOf(const RecordingCanvas& c, Color color) {
    std::vector<const DrawItem*> out;
    for (const DrawItem& item : c.items())
        if (item.kind == DrawKind::FillRect && item.color == color)
            out.push_back(&item);
    return out;
}

TEST(Theme, SampleDialogPaintsEveryPartAndLeavesTheCanvasBalanced) {
    RecordingCanvas c(drawtest::kSampleDialogSize);
    drawtest::paintSampleDialog(c);
    EXPECT_EQ(c.clipDepth(), 0);
    EXPECT_EQ(c.originDepth(), 0);
    for (const wchar_t* text :
         {L"Macro settings - sample", L"Options", L"Unchecked option", L"Name:", L"HEA 200",
          L"Item number 3", L"Length", L"1250.00", L"Profile", L"Advanced settings", L"OK",
          L"Cancel", L"Apply", L"Delete row", L"Del", L"Deletes the selected row", L"File"})
        EXPECT_NE(textItem(c, text), nullptr) << testing::PrintToString(std::wstring(text));
    const Rect window{0, 0, drawtest::kSampleDialogSize.cx, drawtest::kSampleDialogSize.cy};
    for (const DrawItem& item : c.items())
        EXPECT_EQ(item.rect.intersect(window), item.rect.isEmpty() ? Rect{} : item.rect)
            << toString(item.kind) << " outside the window";
}

// The snapshot a person looks at: written to the test's scratch folder.
TEST(Theme, SampleDialogSnapshotIsLegible) {
    auto canvas = CairoCanvas::createImage(drawtest::kSampleDialogSize);
    drawtest::paintSampleDialog(*canvas);
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const std::filesystem::path dir = tmp ? tmp : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(canvas->writePng((dir / "sample-dialog.png").string()));
    const Bitmap b = canvas->toBitmap();

    // Caption bar in the caption colour with white title text on it.
    EXPECT_EQ(b.colorAt(300, 12), theme::kCaption);
    int white = 0;
    for (int y = 1; y < 25; ++y)
        for (int x = 8; x < 150; ++x)
            white += b.colorAt(x, y).r > 180; // the caption colour has r = 0
    EXPECT_GT(white, 30);
    // Dark, high-contrast glyph pixels inside the OK button (client offset 1,25 + 50).
    const Rect ok = Rect{290, 338, 370, 362}.offset(1, 25 + 50);
    int dark = 0;
    for (int y = ok.top + 3; y < ok.bottom - 3; ++y)
        for (int x = ok.left + 3; x < ok.right - 3; ++x)
            dark += b.colorAt(x, y).r < 60;
    EXPECT_GT(dark, 15);
}

TEST(Theme, GallerySnapshotShowsOtherStates) {
    RecordingCanvas rec(drawtest::kGallerySize);
    drawtest::paintGallery(rec);
    EXPECT_EQ(rec.clipDepth(), 0);
    EXPECT_NE(rec.findText(L"Base plate"), nullptr);
    EXPECT_EQ(textItem(rec, L"Focused drop list")->color, theme::kHighlightText);
    auto canvas = CairoCanvas::createImage(drawtest::kGallerySize);
    drawtest::paintGallery(*canvas);
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const std::filesystem::path dir = tmp ? tmp : std::filesystem::temp_directory_path();
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(canvas->writePng((dir / "theme-gallery.png").string()));
}

TEST(Theme, FrameGeometryMatchesWhatIsPainted) {
    const Rect window{0, 0, 300, 200};
    FrameState s;
    EXPECT_EQ(frameClientRect(window, s), (Rect{1, 1 + theme::kCaptionHeight, 299, 199}));
    const Rect close = frameCloseBoxRect(window, s);
    EXPECT_EQ(close.right, 299);
    EXPECT_EQ(close.height(), theme::kCaptionHeight);
    s.resizable = true;
    EXPECT_EQ(frameClientRect(window, s).left, 4);
    FrameState popup;
    popup.caption = false;
    popup.border = false;
    EXPECT_EQ(frameClientRect(window, popup), window);
    EXPECT_TRUE(frameCloseBoxRect(window, popup).isEmpty());

    RecordingCanvas c;
    paintDialogFrame(c, window, L"Title & more", FrameState{});
    const DrawItem* title = textItem(c, L"Title & more");
    ASSERT_NE(title, nullptr) << "captions are drawn without prefix processing";
    EXPECT_EQ(title->color, theme::kCaptionText);
    EXPECT_LE(title->rect.right, close.left);
    EXPECT_EQ(c.itemsOfKind(DrawKind::Line).size(), 2u) << "the close box cross";
}

TEST(Theme, ScrollBarPartsTileTheBar) {
    const Rect bar{0, 0, 17, 217};
    ScrollBarState s;
    s.min = 0;
    s.max = 99;
    s.page = 10;
    for (int pos : {0, 45, 90, 200, -5}) {
        s.pos = pos;
        const ScrollBarParts p = scrollBarParts(bar, s);
        EXPECT_EQ(p.lineUp, (Rect{0, 0, 17, 17}));
        EXPECT_EQ(p.lineDown, (Rect{0, 200, 17, 217}));
        EXPECT_EQ(p.thumb.height(), 18) << "page / range of the 183-pixel track";
        const int pageUpBottom = p.pageUp.isEmpty() ? 17 : p.pageUp.bottom;
        const int pageDownTop = p.pageDown.isEmpty() ? 200 : p.pageDown.top;
        EXPECT_EQ(pageUpBottom, p.thumb.top);
        EXPECT_EQ(p.thumb.bottom, pageDownTop);
    }
    s.pos = 90;
    EXPECT_EQ(scrollBarParts(bar, s).thumb.bottom, 200)
        << "the last position puts the thumb at the end";
    s.pos = 0;
    EXPECT_EQ(scrollBarParts(bar, s).thumb.top, 17);
    s.page = 100;
    EXPECT_TRUE(scrollBarParts(bar, s).thumb.isEmpty()) << "everything visible: no thumb";
    s.page = 10;
    s.disabled = true;
    EXPECT_TRUE(scrollBarParts(bar, s).thumb.isEmpty());
    ScrollBarState h;
    h.vertical = false;
    EXPECT_EQ(scrollBarParts({0, 0, 100, 17}, h).lineDown, (Rect{83, 0, 100, 17}));
}

TEST(Theme, TabsAndMenusLayOutFromTheirTexts) {
    const std::wstring tabs[] = {L"General", L"Profile", L"Bolts"};
    const TabLayout t = layoutTabs({0, 0, 300, 200}, tabs);
    ASSERT_EQ(t.items.size(), 3u);
    for (size_t i = 1; i < t.items.size(); ++i)
        EXPECT_EQ(t.items[i].left, t.items[i - 1].right);
    EXPECT_GE(t.items[0].width(), fixedTextExtent(defaultGuiFont(), L"General").cx);
    EXPECT_GE(t.page.top, t.items[0].bottom);
    EXPECT_TRUE(Rect({0, 0, 300, 200}).intersect(t.page) == t.page);

    RecordingCanvas c;
    TabState ts;
    ts.selected = 2;
    ts.focused = true;
    paintTabControl(c, {0, 0, 300, 200}, tabs, ts);
    EXPECT_EQ(c.texts().back(), L"Bolts") << "the selected tab is drawn last, over its neighbours";

    const std::vector<MenuItemState> items = {
        {L"&Open\tCtrl+O"}, {L"", true}, {L"Greyed", false, false, false, true}};
    const Size size = menuSize(items);
    const std::vector<Rect> rects = menuItemRects(Rect::fromSize(0, 0, size.cx, size.cy), items);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].height(), theme::kMenuSeparatorHeight);
    EXPECT_EQ(rects[2].bottom + 2, size.cy);
    RecordingCanvas m;
    paintMenu(m, Rect::fromSize(0, 0, size.cx, size.cy), items);
    EXPECT_EQ(m.texts(), (std::vector<std::wstring>{L"Open", L"Ctrl+O", L"Greyed"}));
    EXPECT_EQ(textItem(m, L"Greyed")->color, theme::kGrayText);
    EXPECT_TRUE(hasFlag(textItem(m, L"Ctrl+O")->flags, TextFlags::Right));
}

TEST(Theme, EditShowsSelectionCaretAndState) {
    const Font font = defaultGuiFont();
    RecordingCanvas c;
    EditState s;
    s.focused = true;
    s.selStart = 4;
    s.selEnd = 7;
    paintEdit(c, {0, 0, 200, 22}, L"abc defgh", s, font);
    const auto sel = fillsOf(c, theme::kHighlight);
    ASSERT_EQ(sel.size(), 1u);
    const int textLeft = 1 + 2;
    EXPECT_EQ(sel[0]->rect.left, textLeft + fixedTextExtent(font, L"abc ").cx);
    EXPECT_EQ(sel[0]->rect.right, textLeft + fixedTextExtent(font, L"abc def").cx);
    const DrawItem* selected = textItem(c, L"def");
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->color, theme::kHighlightText);

    RecordingCanvas caret;
    s.selStart = s.selEnd = 3;
    paintEdit(caret, {0, 0, 200, 22}, L"abc defgh", s, font);
    EXPECT_TRUE(fillsOf(caret, theme::kHighlight).empty());
    const auto caretLine = fillsOf(caret, theme::kText);
    ASSERT_EQ(caretLine.size(), 1u);
    EXPECT_EQ(caretLine[0]->rect.width(), 1);
    EXPECT_EQ(caretLine[0]->rect.left, textLeft + fixedTextExtent(font, L"abc").cx);

    RecordingCanvas pw;
    EditState p;
    p.password = true;
    p.disabled = true;
    paintEdit(pw, {0, 0, 200, 22}, L"secret", p, font);
    EXPECT_EQ(pw.findText(L"secret"), nullptr);
    EXPECT_EQ(pw.texts().at(0), std::wstring(6, L'\x25CF'));
    EXPECT_EQ(pw.items()[0].color, theme::kFace) << "disabled edits show the face colour";
    EXPECT_EQ(textItem(pw, std::wstring(6, L'\x25CF'))->color, theme::kGrayText);

    RecordingCanvas multi;
    EditState m;
    m.multiLine = true;
    m.firstLine = 1;
    paintEdit(multi, {0, 0, 200, 60}, L"line one\r\nline two\r\nline three", m, font);
    EXPECT_EQ(multi.texts(), (std::vector<std::wstring>{L"line two", L"line three"}));
}

// Hit testing and scrolling use the same geometry as painting: a click on the caret
// that painting shows for position k lands on k.
TEST(Theme, EditClicksAndScrollingAgreeWithPainting) {
    const Font font = defaultGuiFont();
    const std::wstring text = L"Wide Walls iii";
    const Rect r{10, 10, 300, 32};
    for (int k = 0; k <= static_cast<int>(text.size()); ++k) {
        RecordingCanvas c;
        EditState s;
        s.focused = true;
        s.caret = k;
        paintEdit(c, r, text, s, font);
        const auto caret = fillsOf(c, theme::kText);
        ASSERT_EQ(caret.size(), 1u);
        EXPECT_EQ(editCharFromPoint(r, text, s, {caret[0]->rect.left, 20}, font), k);
    }
    EditState s;
    EXPECT_EQ(editCharFromPoint(r, text, s, {0, 20}, font), 0);
    EXPECT_EQ(editCharFromPoint(r, text, s, {1000, 20}, font), static_cast<int>(text.size()));

    EditState m;
    m.multiLine = true;
    const std::wstring lines = L"first\r\nsecond";
    const int lineHeight = fixedFontMetrics(font).lineHeight;
    EXPECT_EQ(editCharFromPoint({0, 0, 200, 60}, lines, m, {0, 2 + lineHeight}, font), 7);
    EXPECT_EQ(editCharFromPoint({0, 0, 200, 60}, lines, m, {500, 500}, font), 13);

    // A caret beyond the right edge scrolls the text; painted there, it is in view.
    const std::wstring longText(60, L'm');
    const Rect narrow{0, 0, 80, 22};
    EditState e;
    e.focused = true;
    e.caret = 60;
    e.scrollX = editScrollForCaret(narrow, longText, e, font);
    EXPECT_GT(e.scrollX, 0);
    RecordingCanvas c;
    paintEdit(c, narrow, longText, e, font);
    const auto caret = fillsOf(c, theme::kText);
    ASSERT_EQ(caret.size(), 1u);
    EXPECT_LT(caret[0]->rect.left, narrow.right - 1);
    EXPECT_GE(caret[0]->rect.left, narrow.left + 1);
    e.caret = 0;
    EXPECT_EQ(editScrollForCaret(narrow, longText, e, font), 0);
    e.caret = 30;
    e.scrollX = 0;
    const int scrolled = editScrollForCaret(narrow, longText, e, font);
    e.scrollX = scrolled;
    EXPECT_EQ(editScrollForCaret(narrow, longText, e, font), scrolled)
        << "a visible caret keeps the scroll";
}

TEST(Theme, ButtonsAndChecksReflectTheirState) {
    RecordingCanvas c;
    ButtonState def;
    def.isDefault = true;
    paintPushButton(c, {0, 0, 75, 23}, L"&OK", def);
    size_t blueFrames = 0;
    for (const DrawItem* f : c.itemsOfKind(DrawKind::FrameRect))
        blueFrames += f->color == theme::kHighlight;
    EXPECT_EQ(blueFrames, 2u) << "the default button has a double blue border";
    EXPECT_EQ(textItem(c, L"OK")->color, theme::kText);

    RecordingCanvas d;
    ButtonState dis;
    dis.disabled = true;
    const Bitmap icon(16, 16, 0xFF0000FFu);
    dis.image = &icon;
    dis.placement = ImagePlacement::Above;
    paintPushButton(d, {0, 0, 60, 50}, L"Print", dis);
    EXPECT_EQ(textItem(d, L"Print")->color, theme::kGrayText);
    const auto bitmaps = d.itemsOfKind(DrawKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_LE(bitmaps[0]->rect.bottom, textItem(d, L"Print")->rect.top);

    RecordingCanvas chk;
    CheckBoxState cs;
    cs.check = CheckState::Checked;
    paintCheckBox(chk, {0, 0, 120, 20}, L"Bold", cs);
    cs.check = CheckState::Indeterminate;
    cs.leftText = true;
    cs.disabled = true;
    paintCheckBox(chk, {0, 30, 120, 50}, L"Mixed", cs);
    const auto marks = chk.itemsOfKind(DrawKind::Polyline);
    ASSERT_EQ(marks.size(), 1u) << "one tick for the checked box";
    EXPECT_LT(marks[0]->rect.right, textItem(chk, L"Bold")->rect.left);
    EXPECT_EQ(textItem(chk, L"Mixed")->color, theme::kGrayText);
    EXPECT_TRUE(hasFlag(textItem(chk, L"Mixed")->flags, TextFlags::Right));
    EXPECT_FALSE(fillsOf(chk, theme::kGrayText).empty()) << "the indeterminate square";
}

TEST(Theme, ListsShowTheirVisibleRowsAndScrollOnlyWhenNeeded) {
    std::vector<ListItem> items;
    for (int i = 0; i < 20; ++i)
        items.push_back({L"Row " + std::to_wstring(i), i == 5});
    ListBoxState s;
    s.topIndex = 4;
    RecordingCanvas c;
    paintListBox(c, {0, 0, 150, 82}, items, s);
    const int rowH = listItemHeight(s, defaultGuiFont());
    const std::vector<std::wstring> texts = c.texts();
    ASSERT_EQ(texts.size(), static_cast<size_t>((82 - 2 + rowH - 1) / rowH));
    EXPECT_EQ(texts.front(), L"Row 4");
    EXPECT_EQ(textItem(c, L"Row 5")->color, theme::kHighlightText);
    EXPECT_EQ(fillsOf(c, theme::kHighlight).size(), 1u);
    EXPECT_FALSE(c.itemsOfKind(DrawKind::Polygon).empty()) << "scroll arrows";

    RecordingCanvas few;
    paintListBox(few, {0, 0, 150, 82}, std::span(items).first(2), ListBoxState{});
    EXPECT_TRUE(few.itemsOfKind(DrawKind::Polygon).empty());

    const ListViewColumn cols[] = {{L"Name", 80}, {L"Size", 50, TextFlags::Right}};
    const std::vector<ListViewRow> rows = {{{L"a.bmp", L"12"}, false, true},
                                           {{L"b.bmp", L"7"}, true}};
    ListViewState lv;
    lv.checkBoxes = true;
    RecordingCanvas v;
    paintListView(v, {0, 0, 200, 100}, cols, rows, lv);
    EXPECT_NE(textItem(v, L"Name"), nullptr);
    EXPECT_TRUE(hasFlag(textItem(v, L"12")->flags, TextFlags::Right));
    EXPECT_EQ(v.itemsOfKind(DrawKind::Polyline).size(), 1u) << "one checked row";
    EXPECT_EQ(textItem(v, L"b.bmp")->color, theme::kText) << "unfocused selection keeps dark text";

    // Icon view: previews scaled into their cells, labels below.
    const Bitmap preview(300, 150);
    std::vector<ListViewRow> icons = {{{L"Macro one"}}, {{L"Macro two"}, true}};
    icons[0].image = &preview;
    icons[1].image = &preview;
    ListViewState iv;
    iv.mode = ListViewMode::Icon;
    RecordingCanvas ic;
    paintListView(ic, {0, 0, 200, 120}, {}, icons, iv);
    const auto pics = ic.itemsOfKind(DrawKind::Bitmap);
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_LE(pics[0]->rect.width(), iv.iconCell);
    EXPECT_EQ(pics[0]->rect.width(), 2 * pics[0]->rect.height()) << "proportions kept";
    EXPECT_LT(pics[0]->rect.bottom, textItem(ic, L"Macro one")->rect.top + 1);
}

// A click on a painted row finds that row; borders, scroll bars and headers find none.
TEST(Theme, ListHitTestsAgreeWithPainting) {
    std::vector<ListItem> items;
    for (int i = 0; i < 20; ++i)
        items.push_back({L"Row " + std::to_wstring(i)});
    ListBoxState s;
    s.topIndex = 4;
    const Rect r{10, 10, 160, 92};
    RecordingCanvas c;
    paintListBox(c, r, items, s);
    for (const wchar_t* row : {L"Row 4", L"Row 6", L"Row 8"}) {
        const DrawItem* t = textItem(c, row);
        ASSERT_NE(t, nullptr);
        const Point mid{t->rect.left + 5, (t->rect.top + t->rect.bottom) / 2};
        EXPECT_EQ(items[static_cast<size_t>(listItemFromPoint(r, 20, s, mid))].text, row);
    }
    EXPECT_EQ(listItemFromPoint(r, 20, s, {r.right - 5, 40}), -1) << "scroll bar";
    EXPECT_EQ(listItemFromPoint(r, 20, s, {10, 40}), -1) << "border";
    EXPECT_EQ(listItemFromPoint(r, 2, ListBoxState{}, {50, 80}), -1) << "below the last item";

    const ListViewColumn cols[] = {{L"Name", 80}, {L"Size", 50}};
    ListViewState lv;
    lv.checkBoxes = true;
    const Rect v{0, 0, 200, 100};
    const int header = fixedFontMetrics(defaultGuiFont()).lineHeight + 8;
    ListViewHit hit = listViewHitTest(v, cols, 3, lv, {100, 5});
    EXPECT_TRUE(hit.header);
    EXPECT_EQ(hit.column, 1);
    EXPECT_EQ(hit.item, -1);
    hit = listViewHitTest(v, cols, 3, lv, {1 + 4 + 6, 1 + header + 17 + 8});
    EXPECT_EQ(hit.item, 1);
    EXPECT_TRUE(hit.checkBox);
    hit = listViewHitTest(v, cols, 3, lv, {40, 1 + header + 3});
    EXPECT_EQ(hit.item, 0);
    EXPECT_FALSE(hit.checkBox);
    EXPECT_EQ(listViewHitTest(v, cols, 3, lv, {40, 95}).item, -1);
    EXPECT_EQ(listViewHitTest(v, cols, 3, lv, {190, 40}).column, -1) << "right of the columns";

    ListViewState iv;
    iv.mode = ListViewMode::Icon;
    EXPECT_EQ(listViewHitTest(v, {}, 3, iv, {1 + 90 + 10, 10}).item, 1);
    EXPECT_EQ(listViewHitTest(v, {}, 1, iv, {1 + 90 + 10, 10}).item, -1);
}

} // namespace
