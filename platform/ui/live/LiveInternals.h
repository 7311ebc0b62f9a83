#pragma once
// Inside the live backend only: the GTK side of the real windows and the loop.

#include "platform/ui/Application.h"
#include "platform/ui/Driver.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <gtk/gtk.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace ui::live {

// One real window for one visible top-level window of the model.
struct RealWindow {
    Hwnd handle;
    GtkWidget* widget = nullptr;
    GtkIMContext* im = nullptr;
    std::unique_ptr<CairoCanvas> canvas; // the last painting, handed to GTK's draw
    Rect rect;                           // screen rectangle last given to GTK
    std::wstring caption;
    std::uint64_t damage = 0; // the tree's damage signature at the last painting
    bool dirty = true;        // input went to it: paint again
    bool mapped = false;
    int paints = 0; // paintings made
    int drawn = 0;  // paintings GTK has put on the screen
    WindowRef<Window> lastFocus;
    enum class Drag { None, Move, Resize } drag = Drag::None;
    unsigned edges = 0; // kLeft | kTop | kRight | kBottom while resizing
    Point startRoot;
    Rect startRect;
};

constexpr unsigned kLeft = 1, kTop = 2, kRight = 4, kBottom = 8;

// The real windows: kept in step with the model by sync().
class Screen {
public:
    // Creates, moves, repaints and removes real windows to match the model.
    void sync();
    void markAllDirty();
    void closeAll();
    // The real window showing `w`'s top-level window, or null.
    RealWindow* find(Window* w);
    GtkWindow* gtkWindowFor(Window* w);

private:
    void create(RealWindow& rw, Window& w);
    void update(RealWindow& rw, Window& w);
    void writeLayout();
    void syncNow();
    bool m_syncing = false;
    void bury(std::unique_ptr<RealWindow> rw);
    std::map<std::uint32_t, std::unique_ptr<RealWindow>> m_windows;
    // Windows gone from the model; freed when no event handler of theirs can still run.
    std::vector<std::unique_ptr<RealWindow>> m_graveyard;
    std::string m_lastLayout;
};

Screen& screen();

// Counts the event handlers running (they may run nested loops); real windows are only
// freed when none is.
class HandlerScope {
public:
    HandlerScope() { ++depth(); }
    ~HandlerScope() { --depth(); }
    static int& depth() {
        static int d = 0;
        return d;
    }
};
void connectInput(RealWindow& rw); // LiveInput.cpp
void setCursorFor(RealWindow& rw);

// One turn of GTK's main loop. Blocking, it wakes for an event, the model's next timer
// or data on `fd` (-1: none). Afterwards the virtual clock follows the real one (person
// mode) and posted messages are delivered.
void turn(bool block, int fd);
bool personMode();
bool promptHasInput();
int promptFd();

// Native common dialogs and menus (NativeDialogs.cpp).
std::optional<std::wstring> runFileDialog(const FileDialogRequest& request);
std::optional<Color> runColorDialog(const ColorDialogRequest& request);
std::optional<FontDialogResult> runFontDialog(const FontDialogRequest& request);
// GTK's print dialog (print to file among its printers) or page setup dialog (LivePrint.cpp).
std::optional<PrintDialogResult> runPrintDialog(const PrintDialogRequest& request);
// Sends a written PDF to the GTK printer of that name; false when it cannot.
bool sendPdfToPrinter(const PrintDialogResult& printed, const std::wstring& jobName);
// Shows `labels` as a menu at `anchor` (window coordinates of `over`); the index chosen
// or -1. Runs until the menu closes.
int runChoiceMenu(GtkWindow* over, const Rect& anchor, const std::vector<std::wstring>& labels);
std::optional<int> runPopupMenu(const PopupMenuRequest& request);
// Shows the item `index` of `window`'s menu bar as a GTK menu below it (real window
// `rw`); a command chosen goes to the window as chooseMenuCommand does.
void runMenuBarMenu(RealWindow& rw, Window& window, int index);
// The menu bar item whose title marks `letter` with '&' (either case); -1 for none.
int menuBarIndexOf(const Window& window, wchar_t letter);
// How many GTK menus are open (shown in the layout file).
int& openMenus();

// What the person sees besides the windows, shown in the layout file: the tooltip GTK
// was last given (empty when none) and the name of the cursor last set.
std::string& shownTooltip();
std::string& shownCursor();

// The system clipboard for the model's copy and paste (LiveClipboard.cpp).
void startClipboard();
void stopClipboard();

std::string utf8(std::wstring_view text);
std::wstring wide(const char* utf8Text);

} // namespace ui::live
