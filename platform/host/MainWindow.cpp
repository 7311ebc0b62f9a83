#include "platform/host/MainWindow.h"

#include "platform/host/AcEd.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"

namespace host {

MainWindow& mainWindow() {
    static MainWindow* w = new MainWindow;
    w->ensureCreated();
    return *w;
}

void MainWindow::ensureCreated() {
    if (isWindow())
        return;
    const ui::Rect area = ui::app().workArea();
    create(kClassName, L"acad - [Drawing1]", ui::WS_OVERLAPPEDWINDOW | ui::WS_VISIBLE, area,
           nullptr, 0);
    ui::app().setMainWindow(this);
}

bool MainWindow::mouseOverDrawing() {
    std::vector<ui::WindowRef<ui::Dialog>> modeless;
    for (ui::Window* w : ui::app().topLevelWindows()) {
        auto* dialog = dynamic_cast<ui::Dialog*>(w);
        if (dialog && static_cast<ui::Window*>(dialog) != this && !dialog->inModalLoop() &&
            dialog->isWindowVisible())
            modeless.emplace_back(dialog);
    }
    bool kept = false;
    for (const auto& ref : modeless)
        if (ui::Dialog* d = ref.get(); d && d->isWindow() && d->sendMessage(WM_ACAD_KEEPFOCUS) != 0)
            kept = true;
    if (!kept && ui::app().modalDepth() == 0)
        setFocus();
    return kept;
}

} // namespace host
