// A small module for the host's tests (hosttest.arx). It registers the group "HOSTTEST":
//   HELLO     prints a formatted line
//   ASKNAME   modal dialog (template built here): edit 100, combo 103 (Mr, Ms, Dr; its
//             choice is printed as "Title: ..." on OK), OK, Cancel; OK with an empty
//             name shows a message box and stays open; prints "Name: <text>" on OK,
//             "Cancelled" on Cancel
//   MODELESS  opens a modeless dialog (caption "Palette") owned by the main window;
//             its check box 101 says whether it keeps the focus when the mouse goes to
//             the drawing
//   PICK      a modal dialog whose button 102 hides it and asks for a point
//   THROW     throws an exception
//   TICK      starts a 50 ms thread timer that prints "Tick" three times
//   CHOOSE    a file dialog, a colour dialog and a popup menu, each answer printed
//   REPORT    a modal dialog (caption "Report") with a menu bar: File > Print... (the
//             print dialog, its answer printed as "Print: ..."), File > Page setup...
//             ("Setup: ..."), File > Close; Help (a command of the bar itself) prints
//             "Help"; the mouse wheel over it prints "Wheel: <delta>"; its static text
//             has the tooltip "Totals of the month"
// Environment switches read at initialisation: HOSTTEST_REFUSE_ATTACH,
// HOSTTEST_REFUSE_INIT, HOSTTEST_LOCKED (do not unlock), HOSTTEST_KEEP_GROUP (do not
// remove the group on unload).

#include "platform/host/AcEd.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDynamicLinker.h"
#include "platform/host/CAcUiDialog.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Transcript.h"

#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {

constexpr int kEditName = 100;
constexpr int kCheckKeepFocus = 101;
constexpr int kButtonPick = 102;
constexpr int kComboTitle = 103;

bool env(const char* name) {
    return std::getenv(name) != nullptr;
}

ui::DialogTemplate nameTemplate() {
    ui::DialogTemplate t;
    t.id = 9001;
    t.caption = L"Your name";
    t.rect = ui::dlu(0, 0, 160, 60);
    t.controls = {
        {0, L"Static", L"&Name:", 0, ui::dlu(7, 9, 30, 8)},
        {kEditName, L"Edit", L"", ui::WS_TABSTOP | ui::WS_BORDER, ui::dlu(40, 7, 110, 12)},
        {kComboTitle, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_TABSTOP,
         ui::dlu(40, 22, 60, 60)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON | ui::WS_TABSTOP,
         ui::dlu(40, 38, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Cancel", ui::WS_TABSTOP, ui::dlu(100, 38, 50, 14)},
    };
    return t;
}

class NameDialog : public ui::Dialog {
public:
    NameDialog() : ui::Dialog(nameTemplate()) {}
    std::wstring name;

protected:
    bool onInitDialog() override {
        for (const wchar_t* title : {L"Mr", L"Ms", L"Dr"})
            sendDlgItemMessage(kComboTitle, ui::CB_ADDSTRING, 0,
                               reinterpret_cast<ui::LPARAM>(title));
        return true;
    }
    void onOK() override {
        if (const int sel = static_cast<int>(sendDlgItemMessage(kComboTitle, ui::CB_GETCURSEL));
            sel >= 0)
            acutPrintf(L"Title: %s\n", getDlgItemText(kComboTitle).c_str());
        name = getDlgItemText(kEditName);
        if (name.empty()) {
            messageBox(L"Please give a name.", L"Your name", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
        ui::Dialog::onOK();
    }
};

ui::DialogTemplate paletteTemplate() {
    ui::DialogTemplate t;
    t.id = 9002;
    t.caption = L"Palette";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
    t.rect = ui::dlu(0, 0, 120, 40);
    t.controls = {{kCheckKeepFocus, L"Button", L"Keep focus", ui::BS_AUTOCHECKBOX | ui::WS_TABSTOP,
                   ui::dlu(7, 7, 100, 10)}};
    return t;
}

class PaletteDialog : public CAdUiDialog {
public:
    PaletteDialog() : CAdUiDialog(paletteTemplate(), adsw_acadMainWnd()) {}

protected:
    bool onMessage(unsigned msg, ui::WPARAM w, ui::LPARAM l, ui::LRESULT& result) override {
        if (msg == WM_ACAD_KEEPFOCUS) {
            result = isDlgButtonChecked(kCheckKeepFocus) ? 1 : 0;
            return true;
        }
        return CAdUiDialog::onMessage(msg, w, l, result);
    }
    void onCancel() override { destroyWindow(); }
};

// Kept in module storage: it goes with the module, whatever the module forgot to close.
std::optional<PaletteDialog> g_palette;

ui::DialogTemplate pickTemplate() {
    ui::DialogTemplate t;
    t.id = 9003;
    t.caption = L"Pick";
    t.rect = ui::dlu(0, 0, 120, 40);
    t.controls = {
        {kButtonPick, L"Button", L"Pick point <", ui::WS_TABSTOP, ui::dlu(7, 7, 60, 14)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON | ui::WS_TABSTOP, ui::dlu(70, 7, 40, 14)},
    };
    return t;
}

class PickDialog : public CAcUiDialog {
public:
    PickDialog() : CAcUiDialog(pickTemplate()) {}

protected:
    bool onCommand(int id, int code, ui::Window* from) override {
        if (id == kButtonPick && code == ui::BN_CLICKED) {
            BeginEditorCommand();
            acutPrintf(L"Hidden while picking: %d\n", isWindowVisible() ? 0 : 1);
            ads_point p{0, 0, 0};
            if (acedGetPoint(nullptr, L"Pick a point: ", p) == RTNORM) {
                CompleteEditorCommand();
                acutPrintf(L"Picked %.1f,%.1f\n", p[0], p[1]);
            } else {
                CancelEditorCommand();
                acutPrintf(L"Pick cancelled\n");
            }
            return true;
        }
        return CAcUiDialog::onCommand(id, code, from);
    }
};

constexpr int kCmdPrint = 40001;
constexpr int kCmdSetup = 40002;
constexpr int kCmdClose = 40003;
constexpr int kCmdHelp = 40010;
constexpr int kStaticTotals = 104;

ui::DialogTemplate reportTemplate() {
    ui::DialogTemplate t;
    t.id = 9004;
    t.caption = L"Report";
    t.rect = ui::dlu(0, 0, 140, 50);
    t.controls = {
        {kStaticTotals, L"Static", L"Totals: 12 t", 0, ui::dlu(7, 7, 100, 10)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON | ui::WS_TABSTOP,
         ui::dlu(80, 30, 50, 14)},
    };
    return t;
}

class ReportDialog : public ui::Dialog {
public:
    ReportDialog() : ui::Dialog(reportTemplate()) {
        m_file.appendMenu(ui::MF_STRING, kCmdPrint, L"&Print...");
        m_file.appendMenu(ui::MF_STRING, kCmdSetup, L"Page &setup...");
        m_file.appendMenu(ui::MF_SEPARATOR);
        m_file.appendMenu(ui::MF_STRING, kCmdClose, L"&Close");
        m_bar.appendPopup(&m_file, L"&File");
        m_bar.appendMenu(ui::MF_STRING, kCmdHelp, L"&Help");
    }

protected:
    bool onInitDialog() override {
        const ui::Rect r = getWindowRect();
        setMenu(&m_bar);
        // The client area keeps its size below the bar.
        moveWindow(ui::Rect{r.left, r.top, r.right, r.bottom + 19}, false);
        if (ui::Window* totals = getDlgItem(kStaticTotals))
            totals->setTooltip(L"Totals of the month");
        return true;
    }
    bool onCommand(int id, int code, ui::Window* from) override {
        switch (id) {
        case kCmdPrint: {
            ui::PrintDialogRequest request;
            request.owner = this;
            const auto r = ui::printDialog(request);
            if (!r)
                acutPrintf(L"Print: cancelled\n");
            else
                acutPrintf(L"Print: %s, %s, %d copies, to %s\n", r->deviceMode.printerName.c_str(),
                           r->range == ui::PrintRange::All ? L"all" : L"pages",
                           r->deviceMode.copies, ui::fromUtf8(r->outputPath).c_str());
            return true;
        }
        case kCmdSetup: {
            ui::PrintDialogRequest request;
            request.owner = this;
            request.kind = ui::PrintDialogKind::Setup;
            const auto r = ui::printDialog(request);
            acutPrintf(L"Setup: %s\n", !r                        ? L"cancelled"
                                       : r->deviceMode.landscape ? L"landscape"
                                                                 : L"portrait");
            return true;
        }
        case kCmdClose:
            endDialog(ui::IDCANCEL);
            return true;
        case kCmdHelp:
            acutPrintf(L"Help\n");
            return true;
        default:
            return ui::Dialog::onCommand(id, code, from);
        }
    }
    bool onMessage(unsigned msg, ui::WPARAM w, ui::LPARAM l, ui::LRESULT& result) override {
        if (msg == ui::WM_MOUSEWHEEL) {
            acutPrintf(L"Wheel: %d\n", static_cast<int>(static_cast<short>((w >> 16) & 0xFFFF)));
            result = 0;
            return true;
        }
        return ui::Dialog::onMessage(msg, w, l, result);
    }

private:
    ui::Menu m_bar;
    ui::Menu m_file;
};

void report() {
    ReportDialog dlg;
    dlg.doModal();
    acedPostCommandPrompt();
}

int g_ticks = 0;
unsigned g_timer = 0;

void hello() {
    acutPrintf(L"Hello from %s: %i %.2f%%\n", L"hosttest", 42, 99.5);
}

void askName() {
    NameDialog dlg;
    if (dlg.doModal() == ui::IDOK)
        acutPrintf(L"Name: %s\n", dlg.name.c_str());
    else
        acutPrintf(L"Cancelled\n");
    acedPostCommandPrompt();
}

void modeless() {
    if (g_palette && g_palette->isWindow())
        return;
    g_palette.reset();
    g_palette.emplace();
    g_palette->create();
    g_palette->showWindow(ui::SW_SHOW);
    adsw_acadMainWnd()->setFocus();
}

void pick() {
    PickDialog dlg;
    dlg.doModal();
}

void fail() {
    throw std::runtime_error("deliberate failure");
}

// A file dialog, a colour dialog and a popup menu in a row, each result printed.
void choose() {
    ui::FileDialogRequest file;
    file.title = L"Open spreadsheet";
    file.filters = {{L"Spreadsheet (*.kws)", L"*.kws"}};
    const auto path = ui::fileDialog(file);
    acutPrintf(L"File: %s\n", path ? path->c_str() : L"(cancelled)");
    const auto color = ui::colorDialog({});
    if (color)
        acutPrintf(L"Colour: %d,%d,%d\n", color->r, color->g, color->b);
    else
        acutPrintf(L"Colour: (cancelled)\n");
    ui::Menu menu;
    menu.appendMenu(ui::MF_STRING, 32811, L"Cut");
    menu.appendMenu(ui::MF_STRING, 32812, L"Copy");
    const int command = menu.trackPopupMenu(ui::TPM_RETURNCMD, 10, 10, adsw_acadMainWnd());
    acutPrintf(L"Menu: %d\n", command);
}

void tick() {
    g_ticks = 0;
    g_timer = ui::app().setThreadTimer(50, [](unsigned id) {
        acutPrintf(L"Tick\n");
        if (++g_ticks == 3)
            ui::app().killThreadTimer(id);
    });
}

} // namespace

// For a module that links against this one (hostdep.arx).
ACRX_EXPORT const wchar_t* hosttestGreeting() {
    return L"greetings from hosttest";
}

ACRX_EXPORT int DllMain(HINSTANCE, unsigned long reason, void*) {
    if (reason == DLL_PROCESS_ATTACH && env("HOSTTEST_REFUSE_ATTACH"))
        return 0;
    return 1;
}

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
    switch (msg) {
    case AcRx::kInitAppMsg:
        if (!env("HOSTTEST_LOCKED"))
            acrxDynamicLinker->unlockApplication(pkt);
        acrxDynamicLinker->registerAppMDIAware(pkt);
        acedRegCmds->addCommand(L"HOSTTEST", L"HELLO", L"HELLO", ACRX_CMD_MODAL, hello);
        acedRegCmds->addCommand(L"HOSTTEST", L"ASKNAME", L"VRAAGNAAM", ACRX_CMD_MODAL, askName);
        acedRegCmds->addCommand(L"HOSTTEST", L"MODELESS", L"MODELESS", ACRX_CMD_MODAL, modeless);
        acedRegCmds->addCommand(L"HOSTTEST", L"PICK", L"PICK", ACRX_CMD_MODAL, pick);
        acedRegCmds->addCommand(L"HOSTTEST", L"THROW", L"THROW", ACRX_CMD_MODAL, fail);
        acedRegCmds->addCommand(L"HOSTTEST", L"TICK", L"TICK", ACRX_CMD_MODAL, tick);
        acedRegCmds->addCommand(L"HOSTTEST", L"CHOOSE", L"CHOOSE", ACRX_CMD_MODAL, choose);
        acedRegCmds->addCommand(L"HOSTTEST", L"REPORT", L"REPORT", ACRX_CMD_MODAL, report);
        acutPrintf(L"hosttest initialised\n");
        if (env("HOSTTEST_REFUSE_INIT"))
            return AcRx::kRetError;
        break;
    case AcRx::kUnloadAppMsg:
        if (!env("HOSTTEST_KEEP_GROUP"))
            acedRegCmds->removeGroup(L"HOSTTEST");
        if (g_timer)
            ui::app().killThreadTimer(g_timer);
        g_timer = 0;
        if (g_palette && g_palette->isWindow() && !env("HOSTTEST_KEEP_GROUP"))
            g_palette->destroyWindow();
        acutPrintf(L"hosttest unloaded\n");
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
