#pragma once
// The look of the windowing layer: stateless painting functions that each control's
// paint handler calls with its rectangle (in the canvas's current origin), its texts and
// a small state struct. Nothing here knows about windows; geometry helpers that input
// handling needs (tab item rectangles, frame insets, scroll-bar parts) are here too, so
// painting and hit testing always agree. The look is a plain light 3-D style meant to be
// legible in PNG snapshots: face RGB(240,240,240), black text, blue highlight.

#include "platform/ui/draw/Canvas.h"

#include <span>
#include <string>
#include <vector>

namespace ui {

namespace theme {
inline constexpr Color kFace{240, 240, 240}; // dialog and 3-D face (COLOR_BTNFACE)
inline constexpr Color kButtonFace{225, 225, 225};
inline constexpr Color kWindow{255, 255, 255}; // edit and list background
inline constexpr Color kText{0, 0, 0};
inline constexpr Color kGrayText{109, 109, 109};
inline constexpr Color kBorder{122, 122, 122}; // edit, list and check box borders
inline constexpr Color kButtonBorder{173, 173, 173};
inline constexpr Color kLight{255, 255, 255};  // 3-D highlight
inline constexpr Color kShadow{160, 160, 160}; // 3-D shadow
inline constexpr Color kDarkShadow{105, 105, 105};
inline constexpr Color kHighlight{0, 120, 215}; // selection
inline constexpr Color kHighlightText{255, 255, 255};
inline constexpr Color kCaption{0, 84, 166}; // active caption bar
inline constexpr Color kInactiveCaption{191, 205, 219};
inline constexpr Color kCaptionText{255, 255, 255};
inline constexpr Color kTooltip{255, 255, 225};
inline constexpr Color kGroupLine{213, 223, 229};

inline constexpr int kCheckBoxSize = 13;
inline constexpr int kScrollBarSize = 17;
inline constexpr int kCaptionHeight = 24;
inline constexpr int kMenuItemHeight = 20;
inline constexpr int kMenuSeparatorHeight = 9;
inline constexpr int kTabHeight = 21;
inline constexpr int kComboButtonWidth = 17;
} // namespace theme

// The dialog font: "MS Sans Serif" 8 pt (character height 11 at 96 pixels per inch).
Font defaultGuiFont();

// ---- Building blocks -------------------------------------------------------------
enum class EdgeKind { Raised, Sunken, Etched, Flat };
// DrawEdge: a two-pixel 3-D border inside `r` (Flat: one pixel in kBorder).
void paintEdge(Canvas& c, const Rect& r, EdgeKind kind);
// DrawFocusRect: a dotted frame.
void paintFocusRect(Canvas& c, const Rect& r);
// Check mark of a check box or menu item, centred in `r`.
void paintCheckMark(Canvas& c, const Rect& r, Color color);
enum class ArrowDirection { Up, Down, Left, Right };
void paintArrow(Canvas& c, const Rect& r, ArrowDirection dir, Color color);

// ---- Dialog frame ----------------------------------------------------------------
struct FrameState {
    bool active = true;
    bool caption = true;    // WS_CAPTION; borderless popups (splash) have none
    bool closeBox = true;   // WS_SYSMENU
    bool resizable = false; // WS_THICKFRAME: a wider border
    bool border = true;     // any border at all
    Color face = theme::kFace;
};
// Frame, caption bar with `title` and close box, and the client face. `window` is the
// whole window rectangle.
void paintDialogFrame(Canvas& c, const Rect& window, std::wstring_view title,
                      const FrameState& state, const Font& font = defaultGuiFont());
// The client rectangle inside `window` for `state` (same coordinates as `window`).
Rect frameClientRect(const Rect& window, const FrameState& state);
// The close box inside `window` (empty when there is none), for hit testing.
Rect frameCloseBoxRect(const Rect& window, const FrameState& state);

// ---- Buttons ---------------------------------------------------------------------
enum class ImagePlacement { Left, Above, Only };

struct ButtonState {
    bool pressed = false; // held down, or a push-like check that is checked
    bool focused = false;
    bool disabled = false;
    bool isDefault = false;        // BS_DEFPUSHBUTTON: a stronger border
    bool flat = false;             // flat picture buttons: no face until pressed/checked
    bool focusRect = true;         // flat buttons may hide it
    const Bitmap* image = nullptr; // drawn with alpha; greyed when disabled
    ImagePlacement placement = ImagePlacement::Left;
};
void paintPushButton(Canvas& c, const Rect& r, std::wstring_view text, const ButtonState& state,
                     const Font& font = defaultGuiFont());

enum class CheckState { Unchecked = 0, Checked = 1, Indeterminate = 2 };
struct CheckBoxState {
    CheckState check = CheckState::Unchecked;
    bool focused = false;
    bool disabled = false;
    bool pressed = false;
    bool leftText = false;  // BS_LEFTTEXT / BS_RIGHTBUTTON
    bool multiLine = false; // BS_MULTILINE: word wrap
};
void paintCheckBox(Canvas& c, const Rect& r, std::wstring_view text, const CheckBoxState& state,
                   const Font& font = defaultGuiFont());
void paintRadioButton(Canvas& c, const Rect& r, std::wstring_view text, const CheckBoxState& state,
                      const Font& font = defaultGuiFont());
// The frame line runs through the middle of the caption's line.
void paintGroupBox(Canvas& c, const Rect& r, std::wstring_view text, bool disabled,
                   const Font& font = defaultGuiFont(), std::optional<Color> textColor = {});

// ---- Static text and pictures ------------------------------------------------------
struct StaticState {
    TextFlags align = TextFlags::Left; // Left, Center or Right
    bool disabled = false;
    bool noPrefix = false;           // SS_NOPREFIX
    bool centerVertically = false;   // SS_CENTERIMAGE for text: one line, centred
    bool endEllipsis = false;        // SS_ENDELLIPSIS
    bool sunken = false;             // SS_SUNKEN
    std::optional<Color> textColor;  // WM_CTLCOLORSTATIC answers
    std::optional<Color> background; // none = transparent
};
void paintStatic(Canvas& c, const Rect& r, std::wstring_view text, const StaticState& state,
                 const Font& font = defaultGuiFont());
// A picture centred in `r` at its real size (clipped to `r`), drawn with its alpha.
void paintPicture(Canvas& c, const Rect& r, const Bitmap& picture, bool disabled = false);

// ---- Edit and combo box ------------------------------------------------------------
struct EditState {
    bool focused = false;
    bool disabled = false;
    bool readOnly = false;
    bool multiLine = false;
    bool wordWrap = true; // multi-line without ES_AUTOHSCROLL wraps at the width
    bool password = false;
    bool clientEdge = true; // border; false for borderless edits
    int selStart = 0;       // selection in characters (shown when focused)
    int selEnd = 0;
    int caret = -1;    // caret position when focused; -1 = at selEnd
    int scrollX = 0;   // single line: pixels scrolled left
    int firstLine = 0; // multi-line: first visible line
    TextFlags align = TextFlags::Left;
};
// Multi-line text uses "\r\n" or "\n" between lines.
void paintEdit(Canvas& c, const Rect& r, std::wstring_view text, const EditState& state,
               const Font& font = defaultGuiFont());
// The character boundary nearest to `p` (a mouse click), with the fixed metric model.
int editCharFromPoint(const Rect& r, std::wstring_view text, const EditState& state, Point p,
                      const Font& font = defaultGuiFont());
// The scrollX that keeps the caret (state.caret, else selEnd) of a single-line edit in
// view, starting from state.scrollX (ES_AUTOHSCROLL). 0 for multi-line and aligned edits.
int editScrollForCaret(const Rect& r, std::wstring_view text, const EditState& state,
                       const Font& font = defaultGuiFont());

struct ComboState {
    bool focused = false;
    bool disabled = false;
    bool editable = false; // CBS_DROPDOWN: the text is left to the inner edit
    bool dropped = false;
    bool checked = false;          // check-combos: a check mark before the text
    const Bitmap* image = nullptr; // bitmap-picker combos: the picture before the text
};
// The closed box: the selected text (or the edit's text) and the drop button.
void paintComboBox(Canvas& c, const Rect& r, std::wstring_view text, const ComboState& state,
                   const Font& font = defaultGuiFont());
// Where the inner edit of an editable combo sits inside `r`.
Rect comboEditRect(const Rect& r);

// ---- Lists -----------------------------------------------------------------------
struct ListItem {
    std::wstring text;
    bool selected = false;
    bool checked = false;
    const Bitmap* image = nullptr;
};
struct ListBoxState {
    int topIndex = 0;
    int caretIndex = -1; // focus rectangle item when focused
    int itemHeight = 0;  // 0: the font's line height + 2
    bool focused = false;
    bool disabled = false;
    bool checkBoxes = false; // check-combo lists
    bool border = true;
};
// Items from topIndex down, a vertical scroll bar when they do not fit.
void paintListBox(Canvas& c, const Rect& r, std::span<const ListItem> items,
                  const ListBoxState& state, const Font& font = defaultGuiFont());
int listItemHeight(const ListBoxState& state, const Font& font);
// The item under `p` in a list painted at `r` with `count` items; -1 for none (border,
// scroll bar, empty space).
int listItemFromPoint(const Rect& r, int count, const ListBoxState& state, Point p,
                      const Font& font = defaultGuiFont());

struct TabState {
    int selected = 0;
    bool focused = false;
    bool disabled = false;
};
struct TabLayout {
    std::vector<Rect> items; // one rectangle per tab (the selected one drawn larger)
    Rect page;               // the display area for the pages
};
TabLayout layoutTabs(const Rect& r, std::span<const std::wstring> tabs,
                     const Font& font = defaultGuiFont());
void paintTabControl(Canvas& c, const Rect& r, std::span<const std::wstring> tabs,
                     const TabState& state, const Font& font = defaultGuiFont());

struct ListViewColumn {
    std::wstring title;
    int width = 80;
    TextFlags align = TextFlags::Left;
};
struct ListViewRow {
    std::vector<std::wstring> cells; // cell 0 is the item's own text
    bool selected = false;
    bool checked = false;
    bool focused = false;
    const Bitmap* image = nullptr; // icon view picture
};
enum class ListViewMode { Report, Icon };
struct ListViewState {
    ListViewMode mode = ListViewMode::Report;
    bool header = true;      // !LVS_NOCOLUMNHEADER
    bool checkBoxes = false; // LVS_EX_CHECKBOXES
    bool gridLines = false;  // LVS_EX_GRIDLINES
    bool focused = false;
    bool disabled = false;
    int topIndex = 0;
    int rowHeight = 17;
    int iconCell = 90; // icon view: square cell per item
    int scrollX = 0;
};
void paintListView(Canvas& c, const Rect& r, std::span<const ListViewColumn> columns,
                   std::span<const ListViewRow> rows, const ListViewState& state,
                   const Font& font = defaultGuiFont());
struct ListViewHit {
    int item = -1;         // -1: none
    int column = -1;       // report view: the column under the point; -1 outside them
    bool checkBox = false; // on the item's check box (LVS_EX_CHECKBOXES)
    bool header = false;   // on the column header
};
ListViewHit listViewHitTest(const Rect& r, std::span<const ListViewColumn> columns, int rowCount,
                            const ListViewState& state, Point p,
                            const Font& font = defaultGuiFont());

// ---- Scroll bar, progress, tooltip ----------------------------------------------------
struct ScrollBarState {
    bool vertical = true;
    int min = 0;
    int max = 100;
    int page = 10; // visible amount; thumb size follows it
    int pos = 0;
    bool disabled = false;
};
struct ScrollBarParts {
    Rect lineUp, pageUp, thumb, pageDown, lineDown;
};
ScrollBarParts scrollBarParts(const Rect& r, const ScrollBarState& state);
void paintScrollBar(Canvas& c, const Rect& r, const ScrollBarState& state);

void paintProgress(Canvas& c, const Rect& r, int low, int high, int pos);

Size tooltipSize(std::wstring_view text, const Font& font = defaultGuiFont());
void paintTooltip(Canvas& c, const Rect& r, std::wstring_view text,
                  const Font& font = defaultGuiFont());

// ---- Menus and toolbars --------------------------------------------------------------
struct MenuItemState {
    std::wstring text; // "&Open\tCtrl+O": text, tab, accelerator
    bool separator = false;
    bool checked = false;
    bool radio = false; // MFT_RADIOCHECK: a dot instead of a tick
    bool grayed = false;
    bool popup = false; // has a submenu: an arrow at the right
    bool highlighted = false;
};
Size menuSize(std::span<const MenuItemState> items, const Font& font = defaultGuiFont());
// Item rectangles of a popup at `r` (for hit testing).
std::vector<Rect> menuItemRects(const Rect& r, std::span<const MenuItemState> items);
void paintMenu(Canvas& c, const Rect& r, std::span<const MenuItemState> items,
               const Font& font = defaultGuiFont());
// A menu bar across `r`; returns the item rectangles.
std::vector<Rect> paintMenuBar(Canvas& c, const Rect& r, std::span<const MenuItemState> items,
                               const Font& font = defaultGuiFont());

struct ToolbarButtonState {
    bool separator = false;
    bool pressed = false;
    bool checked = false;
    bool disabled = false;
};
void paintToolbarBackground(Canvas& c, const Rect& r);
// One button at `r` showing `src` of the image strip (key colour (192,192,192) transparent).
void paintToolbarButton(Canvas& c, const Rect& r, const Bitmap& strip, const Rect& src,
                        const ToolbarButtonState& state);

} // namespace ui
