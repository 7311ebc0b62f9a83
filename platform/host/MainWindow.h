#pragma once
// MainWindow: the host's main window (what adsw_acadMainWnd returns). A top-level window
// standing for the whole CAD application with its drawing area; it can take the keyboard
// focus ("the user works in the drawing") and is the application's main window in the
// windowing layer, so parentless modal dialogs are owned by it and disable it while they
// run. Created on first use, never deleted (modules may ask for it while the process
// ends).

#include "platform/ui/Window.h"

namespace host {

class MainWindow : public ui::Window {
public:
    static constexpr const wchar_t* kClassName = L"TvlHostMainWindow";
    // Creates the window if it does not exist (again, after a test destroyed it).
    void ensureCreated();

    // The mouse moves over the drawing: each visible modeless dialog gets
    // WM_ACAD_KEEPFOCUS; unless one answers non-zero, the main window takes the focus.
    // Returns true when a dialog kept the focus.
    bool mouseOverDrawing();
};

MainWindow& mainWindow();

} // namespace host
