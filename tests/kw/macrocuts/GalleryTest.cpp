// The macro gallery through its export on the sample library's macro folders: choosing,
// picking in the drawing, the filter's table, and damaged files.

#include "tests/kw/macrocuts/MacroCutsTestSupport.h"

#include "core/LanguageTexts.h"
#include "core/macrocuts/Tvl_MacroPropsFilter.h"
#include "kw/macro/CDlgSelectMacro.h"
#include "kw/macro/MacroCutsIds.h"

#include <chrono>
#include <fstream>

using namespace kw::macro::cuts;

namespace {

struct Result {
    bool ok = false;
    Tvl_String chosen = L"<none>";
    bool pick = false;
};

class Gallery : public MacroCutsTest {
protected:
    // Opens the gallery as TVLSELECTMACRO does, with `user` acting in it.
    Result run(std::function<void(CDlgSelectMacro&)> user, bool pick = true, bool hint = true,
               int least = 0, int most = 0, AcArray<bool> flags = AcArray<bool>()) {
        ui::ScriptedDriver driver;
        driver.onDialog(kDlgSelectMacro,
                        [&](ui::Dialog& d) { user(dynamic_cast<CDlgSelectMacro&>(d)); });
        if (flags.isEmpty()) {
            flags.append(true);
            flags.append(true);
        }
        Result r;
        r.pick = pick;
        r.ok = StartDlgSelectMacro(L"", m_folders, flags, least, most, r.chosen, r.pick, hint);
        EXPECT_TRUE(driver.done());
        return r;
    }
    static std::vector<std::wstring> labels(CDlgSelectMacro& d) {
        std::vector<std::wstring> out;
        for (int i = 0; i < d.gallery().getItemCount(); ++i)
            out.push_back(d.gallery().getItemText(i, 0));
        return out;
    }
    std::filesystem::path macros() const { return m_lib / "Macros"; }

    const Tvl_StringArray m_folders{L"Connections", L"Base plates"};
};

} // namespace

TEST_F(Gallery, AChosenPictureGivesItsDrawingAndTheMissingPreviewIsMade) {
    const auto finPreview = macros() / "Connections" / "Fin plate.bmp";
    ASSERT_FALSE(std::filesystem::exists(finPreview));
    const Result r = run([](CDlgSelectMacro& d) {
        EXPECT_EQ(d.text(), dialString(1116).str());
        EXPECT_EQ(labels(d), (std::vector<std::wstring>{L"End plate", L"Extended end plate",
                                                        L"Fin plate", L"Haunched end plate",
                                                        L"Base plate", L"Stiffened base plate"}));
        // Without a selection OK does nothing.
        ui::click(d, ui::IDOK);
        EXPECT_FALSE(d.endRequested());
        ui::selectItem(d, kGallery, L"Extended end plate");
        ui::click(d, ui::IDOK);
    });
    EXPECT_TRUE(std::filesystem::exists(finPreview));
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.pick);
    EXPECT_TRUE(r.chosen.endsWith(L"\\Macros\\Connections\\Extended end plate.dwg"))
        << r.chosen.toUtf8();
}

TEST_F(Gallery, DoubleClickChoosesAndCancelLeavesTheNameAlone) {
    Result r = run([](CDlgSelectMacro& d) { d.gallery().userDoubleClick(4); });
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.chosen.endsWith(L"Base plate.dwg"));
    r = run([](CDlgSelectMacro& d) {
        ui::selectItem(d, kGallery, 0);
        ui::click(d, ui::IDCANCEL);
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.chosen, L"<none>");
    EXPECT_TRUE(r.pick); // untouched
}

TEST_F(Gallery, PickingInTheDrawingIsOfferedOnlyWithThePickFlag) {
    Result r = run(
        [](CDlgSelectMacro& d) {
            EXPECT_FALSE(d.getDlgItem(kPick)->isWindowEnabled());
            EXPECT_TRUE(d.getDlgItem(kHint)->isWindowVisible());
            EXPECT_EQ(d.getDlgItemText(kHint), (dialString(1312) + L"\n" + dialString(1313)).str());
            ui::click(d, ui::IDCANCEL);
        },
        false, true);
    EXPECT_FALSE(r.ok);
    r = run(
        [](CDlgSelectMacro& d) {
            EXPECT_FALSE(d.getDlgItem(kHint)->isWindowVisible());
            ui::selectItem(d, kGallery, 0);
            ui::click(d, kPick);
        },
        true, true);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.pick);
}

TEST_F(Gallery, SwitchingEntriesOffInTheTableHidesTheDrawingsThatHaveThem) {
    const Result r = run([this](CDlgSelectMacro& d) {
        Tvl_Spread& table = d.properties();
        // Modules in the order found, a pair of columns for the module and per property.
        ASSERT_EQ(table.rowCount(), 6);
        EXPECT_EQ(table.colCount(), 6);
        EXPECT_EQ(table.data(2, 1), L"EndPlate");
        EXPECT_EQ(table.data(4, 1), L"Stiffeners");
        EXPECT_EQ(table.data(2, 2), L"Bolts");
        clickCell(table, 3, 1); // EndPlate's stiffeners off
        EXPECT_EQ(labels(d), (std::vector<std::wstring>{L"Fin plate", L"Haunched end plate",
                                                        L"Base plate", L"Stiffened base plate"}));
        clickCell(table, 1, 2); // every macro with bolts off
        EXPECT_EQ(labels(d), (std::vector<std::wstring>{L"Base plate", L"Stiffened base plate"}));
        EXPECT_EQ(table.data(1, 2), L"0");
        clickCell(table, 1, 2);
        EXPECT_EQ(d.gallery().getItemCount(), 4);
        ui::click(d, kShowProps);
        EXPECT_FALSE(table.isWindowVisible());
        ui::selectItem(d, kGallery, L"Fin plate");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.chosen.endsWith(L"Fin plate.dwg"));
}

TEST_F(Gallery, DamagedFilesStillListAndTheFilterBoundsHold) {
    {
        std::ofstream(macros() / "Connections" / "End plate.bmp", std::ios::binary)
            << "BM\x10\x00 truncated";
        std::ofstream(macros() / "Base plates" / "Base plate.dwg", std::ios::binary)
            << "TVLPROPERTIES 1\ns caption=Cut off";
    }
    AcArray<bool> onlyFirst;
    onlyFirst.append(true);
    onlyFirst.append(false);
    Result r = run(
        [](CDlgSelectMacro& d) {
            EXPECT_EQ(labels(d).size(), 4u); // the base plates' folder is left out
            const ui::Image* damaged = d.gallery().image(d.gallery().getItemImage(0));
            ASSERT_NE(damaged, nullptr);
            EXPECT_EQ(*damaged->bmp, *picture_cache::placeholder(CImageListCtrl::kPictureBox).bmp);
            ui::selectItem(d, kGallery, L"End plate");
            ui::click(d, ui::IDOK);
        },
        true, true, 0, 0, onlyFirst);
    EXPECT_TRUE(r.ok);
    // The damaged drawing is shown by its name; the bounds count the modules it has.
    r = run(
        [](CDlgSelectMacro& d) {
            EXPECT_EQ(labels(d), (std::vector<std::wstring>{L"Haunched end plate"}));
            ui::click(d, ui::IDCANCEL);
        },
        true, true, 3, 0);
    r = run(
        [](CDlgSelectMacro& d) {
            EXPECT_EQ(labels(d), (std::vector<std::wstring>{L"Base plate"}));
            ui::click(d, ui::IDCANCEL);
        },
        true, true, 0, 1);
    // A folder that does not exist gives an empty gallery that still closes.
    const Tvl_StringArray nowhere{L"Nowhere"};
    Tvl_MacroPropsFilter filter;
    filter.init(nowhere, AcArray<bool>(), 0, 0);
    Tvl_StringArray list;
    EXPECT_FALSE(filter.getAllDwgFiles(list));
    EXPECT_EQ(list.length(), 0);
}

TEST_F(Gallery, PicturesAreDecodedOnceAndShownScaled) {
    const auto open = [this] { run([](CDlgSelectMacro& d) { ui::click(d, ui::IDCANCEL); }); };
    open();
    const long long first = picture_cache::decodeCount();
    EXPECT_EQ(first, 6);
    open();
    EXPECT_EQ(picture_cache::decodeCount(), first);
    const ui::Image big =
        picture_cache::picture(gSettings.libDir() + L"Macros\\Connections\\End plate.bmp", 56);
    EXPECT_EQ(big.size(), (ui::Size{56, 56}));
    // A changed file is read again.
    std::filesystem::last_write_time(macros() / "Connections" / "End plate.bmp",
                                     std::filesystem::file_time_type::clock::now() +
                                         std::chrono::seconds(5));
    open();
    EXPECT_EQ(picture_cache::decodeCount(), first + 1);
}

TEST_F(Gallery, ResizingGrowsTheGalleryAndKeepsTheButtonsAtTheBottom) {
    run([](CDlgSelectMacro& d) {
        const auto fromBottom = [&d](int id) {
            return d.getClientRect().bottom -
                   d.screenToClient(d.getDlgItem(id)->getWindowRect()).bottom;
        };
        const int okGap = fromBottom(ui::IDOK);
        const int galleryWidth = d.gallery().getWindowRect().width();
        ASSERT_TRUE(ui::resize(d, 700, 640));
        EXPECT_EQ(fromBottom(ui::IDOK), okGap);
        EXPECT_EQ(fromBottom(kPick), okGap);
        EXPECT_GT(d.gallery().getWindowRect().width(), galleryWidth);
        // Not below the least size.
        ui::resize(d, 50, 50);
        EXPECT_GE(d.getWindowRect().width(), 200);
        EXPECT_GE(d.getWindowRect().height(), 300);
        ui::click(d, ui::IDCANCEL);
    });
}
