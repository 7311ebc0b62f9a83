// Snapshots: a dialog painted into a PNG that a person can recognise. The picture is
// written into the test's scratch folder (TVL_TEST_TMP) for inspection.

#include "UiTestSupport.h"

#include "platform/ui/Snapshot.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ListView.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/RecordingCanvas.h"
#include "platform/ui/draw/Theme.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace ui;
using namespace uitest;

namespace {

std::string scratch(const std::string& name) {
    const char* dir = std::getenv("TVL_TEST_TMP");
    std::filesystem::path p = dir ? dir : std::filesystem::temp_directory_path().string();
    std::filesystem::create_directories(p);
    return (p / name).string();
}

DialogTemplate showcase() {
    DialogTemplate t;
    t.id = 9400;
    t.caption = L"Named set";
    t.rect = dlu(0, 0, 200, 190);
    t.controls = {
        {1317, L"ListBox", L"", LBS_NOTIFY | WS_BORDER, dlu(5, 5, 166, 80)},
        {1043, L"Edit", L"Default", ES_AUTOHSCROLL, dlu(5, 90, 166, 12), WS_EX_CLIENTEDGE},
        {1382, L"Button", L"Show all sets", BS_AUTOCHECKBOX, dlu(5, 106, 100, 10)},
        {1400, L"Button", L"Options", BS_GROUPBOX, dlu(5, 118, 120, 40)},
        {1401, L"Button", L"Left", BS_AUTORADIOBUTTON | WS_GROUP, dlu(12, 128, 50, 10)},
        {1402, L"Button", L"Right", BS_AUTORADIOBUTTON, dlu(12, 140, 50, 10)},
        {1403, L"ComboBox", L"", CBS_DROPDOWNLIST, dlu(130, 120, 65, 60)},
        {1404, L"Static", L"Two lines of\nstatic text", SS_LEFT, dlu(130, 138, 65, 20)},
        {IDOK, L"Button", L"Save", BS_DEFPUSHBUTTON, dlu(90, 170, 50, 14)},
        {IDCANCEL, L"Button", L"Cancel", 0, dlu(145, 170, 50, 14)},
    };
    return t;
}

class Showcase : public Dialog {
public:
    Showcase() : Dialog(showcase()) {}

protected:
    bool onInitDialog() override {
        auto* list = static_cast<ListBox*>(getDlgItem(1317));
        for (auto s : {L"Default", L"Heavy columns", L"Roof truss"})
            list->addString(s);
        list->setCurSel(1);
        checkDlgButton(1382, BST_CHECKED);
        checkRadioButton(1401, 1402, 1402);
        auto* combo = static_cast<ComboBox*>(getDlgItem(1403));
        combo->addString(L"Metric");
        combo->setCurSel(0);
        getDlgItem(IDCANCEL)->enableWindow(false);
        return true;
    }
};

} // namespace

using Snapshot = UiTest;

TEST_F(Snapshot, WritesARecognisablePng) {
    Showcase dlg;
    std::string path = scratch("named-set.png");
    bool written = false;
    driver->onDialog(9400, [&](Dialog& d) {
        written = writePng(d, path);
        d.endDialog(IDOK);
    });
    dlg.doModal();
    ASSERT_TRUE(written);
    std::ifstream in(path, std::ios::binary);
    char sig[8] = {};
    in.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
    EXPECT_GT(std::filesystem::file_size(path), 2000u);
}

TEST_F(Snapshot, PaintingGoesThroughTheCanvasWithTextsAndStates) {
    Showcase dlg;
    RecordingCanvas rec(Size{400, 400});
    driver->onDialog(9400, [&](Dialog& d) {
        d.paintTree(rec);
        d.endDialog(IDOK);
    });
    dlg.doModal();
    std::vector<std::wstring> texts;
    for (const auto& item : rec.items())
        if (item.kind == DrawKind::Text)
            texts.push_back(item.text);

    for (const wchar_t* want : {L"Heavy columns", L"Default", L"Show all sets", L"Options",
                                L"Metric", L"Save", L"Cancel"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), std::wstring(want)), texts.end())
            << toUtf8(want);
    // The disabled Cancel button's text is grey.
    for (const auto& item : rec.items()) {
        if (item.kind == DrawKind::Text && item.text == L"Cancel") {
            EXPECT_EQ(item.color, theme::kGrayText);
        }
    }
}

TEST_F(Snapshot, ParentColoursStaticsThroughCtlColor) {
    class Coloured : public Dialog {
    public:
        Coloured() : Dialog(showcase()) {}

    protected:
        bool onCtlColor(CtlColor& c) override {
            if (c.kind == CTLCOLOR_STATIC && c.control && c.control->id() == 1404) {
                c.transparentText = true;
                c.textColor = Color{0, 50, 127};
                c.brush = BrushKind::Hollow;
                return true;
            }
            return false;
        }
    } dlg;
    RecordingCanvas rec(Size{400, 400});
    driver->onDialog(9400, [&](Dialog& d) {
        d.paintTree(rec);
        d.endDialog(IDOK);
    });
    dlg.doModal();
    bool found = false;
    for (const auto& item : rec.items())
        if (item.kind == DrawKind::Text && item.text == L"Two lines of\nstatic text") {
            found = true;
            EXPECT_EQ(item.color, (Color{0, 50, 127}));
            EXPECT_EQ(item.lines.size(), 2u);
        }
    EXPECT_TRUE(found);
}
