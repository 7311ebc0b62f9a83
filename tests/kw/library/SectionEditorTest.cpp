// The section library editor driven as a user would: pages, groups, types and the
// values tables with the files they change.

#include "tests/kw/library/LibraryTestSupport.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/library/CDlgEditLibSections.h"
#include "kw/library/CTabEditLibGroups.h"
#include "kw/library/CTabEditLibTypes.h"
#include "kw/library/CTabEditLibValues.h"
#include "kw/spreadsheet/format/CDlgKWOptions.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using Groups = CTabEditLibGroups;
using Types = CTabEditLibTypes;
using Values = CTabEditLibValues;

class SectionEditorTest : public LibraryTest {
protected:
    static CDlgEditLibSections& editor(ui::Dialog& d) {
        return static_cast<CDlgEditLibSections&>(d);
    }
    static ui::ComboBox& combo(ui::Window& page, int id) {
        return *dynamic_cast<ui::ComboBox*>(page.getDlgItem(id));
    }
    static std::wstring comboText(ui::Window& page, int id) {
        ui::ComboBox& c = combo(page, id);
        return c.getCurSel() < 0 ? std::wstring() : c.getLBText(c.getCurSel());
    }
    // Runs the editor on the sample library; `steps` plays the user.
    bool run(const Tvl_String& name, std::function<void(CDlgEditLibSections&)> steps,
             DlgEditLibData& data) {
        drv().onDialog(CDlgEditLibSections::kTemplateId, [&](ui::Dialog& d) { steps(editor(d)); });
        return StartDlgEditLibSections(data, name);
    }
    // Types a value into a cell of the values grid and ends the cell edit.
    static void typeCell(Values& page, int col, int row, const wchar_t* text) {
        Tvl_Spread& g = page.grid();
        g.setFocus();
        ASSERT_TRUE(g.setActiveCell(col, row));
        ASSERT_TRUE(ui::typeText(text));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }
    void rename(Values& page, const wchar_t* to) {
        drv().onDialog(Tvl_DlgPromptString::kTemplateId, [to](ui::Dialog& p) {
            ASSERT_TRUE(ui::typeText(p, Tvl_DlgPromptString::kValueId, to));
            ASSERT_TRUE(ui::click(p, ui::IDOK));
        });
        ASSERT_TRUE(ui::click(page, Values::kRenameId));
    }

    void SetUp() override {
        LibraryTest::SetUp();
        m_driver = std::make_unique<ui::ScriptedDriver>();
    }
    void TearDown() override {
        m_driver.reset();
        LibraryTest::TearDown();
    }
    ui::ScriptedDriver& drv() { return *m_driver; }
    std::unique_ptr<ui::ScriptedDriver> m_driver;
};

TEST_F(SectionEditorTest, TheGivenNameChoosesTheValuesPageAndItsTable) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Rail-A-45", L"Rail-A"}, // the longest table name in front of a hyphen
        {L"hea-200", L"HEA"},      // case ignored
        {L"RHS", L"RHS"},          // the whole name
        {L"XYZ-1", L"CHS"},        // no table: the first one
    };
    for (const auto& [name, expected] : cases) {
        DlgEditLibData data = library();
        EXPECT_FALSE(run(
            name,
            [&](CDlgEditLibSections& d) {
                EXPECT_TRUE(d.valuesPage()->isWindowVisible());
                EXPECT_FALSE(d.groupsPage()->isWindowVisible());
                EXPECT_EQ(comboText(*d.valuesPage(), Values::kTablesId), expected);
                EXPECT_EQ(d.valuesPage()->grid().rowCount(), d.valuesPage()->table().rows.length());
                ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
            },
            data));
    }
    DlgEditLibData data = library();
    EXPECT_FALSE(run(
        L"",
        [&](CDlgEditLibSections& d) {
            EXPECT_EQ(d.getWindowText(), L"Section library");
            EXPECT_TRUE(d.groupsPage()->isWindowVisible());
            // The frame does not get smaller than its minimum.
            ASSERT_TRUE(ui::resize(d, 200, 200));
            EXPECT_GE(d.rect().width(), CDlgEditLibSections::kMinWidth);
            EXPECT_GE(d.rect().height(), CDlgEditLibSections::kMinHeight);
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        },
        data));
    EXPECT_TRUE(drv().done());
}

TEST_F(SectionEditorTest, GroupsAreAddedEditedAndDeletedAndOkGivesThemBack) {
    DlgEditLibData data = library();
    DlgEditLibData before = data;
    before.GetAvailableFiles();
    ASSERT_TRUE(run(
        L"",
        [&](CDlgEditLibSections& d) {
            Groups& page = *d.groupsPage();
            EXPECT_EQ(comboText(page, Groups::kGroupsId), L"I and H sections");
            EXPECT_TRUE(combo(page, Groups::kGroupsId).getItemCheck(0));
            // Unchecking "active" shows in the list at once.
            ASSERT_TRUE(ui::click(page, Groups::kEnabledId));
            EXPECT_FALSE(combo(page, Groups::kGroupsId).getItemCheck(0));
            // A new group is selected and gets a number no group had.
            ASSERT_TRUE(ui::click(page, Groups::kNewId));
            EXPECT_EQ(page.currentIndex(), 5);
            EXPECT_EQ(d.m_data.groups[5].id, 6);
            Tvl_Spread& names = page.namesGrid();
            names.setFocus();
            ASSERT_TRUE(names.setActiveCell(1, 1));
            ASSERT_TRUE(ui::typeText(L"Plates"));
            ASSERT_TRUE(ui::key(ui::VK_RETURN));
            ASSERT_TRUE(ui::typeText(page, Groups::kPictureId, L"ProfSectionRect"));
            // Choosing another group stores the shown one.
            ASSERT_TRUE(ui::selectItem(page, Groups::kGroupsId, 1));
            EXPECT_EQ(d.m_data.groups[5].names[0], L"Plates");
            EXPECT_EQ(d.m_data.groups[5].picture, L"ProfSectionRect");
            // Deleting the last group selects the new last one.
            ASSERT_TRUE(ui::selectItem(page, Groups::kGroupsId, 5));
            ASSERT_TRUE(ui::click(page, Groups::kDeleteId));
            EXPECT_EQ(page.currentIndex(), 4);
            EXPECT_EQ(comboText(page, Groups::kGroupsId), L"Rails");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(data.groups.length(), 5);
    EXPECT_FALSE(data.groups[0].enabled);
    EXPECT_EQ(data.types, before.types);
    EXPECT_EQ(data.tableNames, before.tableNames) << "GetAvailableFiles filled the lists";
    EXPECT_TRUE(drv().done());
}

TEST_F(SectionEditorTest, DeletingTheOnlyGroupLeavesNoSelectionAndCancelKeepsTheRecord) {
    DlgEditLibData data = library();
    while (data.groups.length() > 1)
        data.groups.removeAt(1);
    const DlgEditLibData before = data;
    EXPECT_FALSE(run(
        L"",
        [&](CDlgEditLibSections& d) {
            Groups& page = *d.groupsPage();
            ASSERT_TRUE(ui::click(page, Groups::kDeleteId));
            EXPECT_EQ(page.currentIndex(), -1);
            EXPECT_EQ(combo(page, Groups::kGroupsId).getCurSel(), -1);
            for (int id :
                 {Groups::kEnabledId, Groups::kPictureId, Groups::kNamesId, Groups::kDeleteId})
                EXPECT_FALSE(page.getDlgItem(id)->isWindowEnabled()) << id;
            // Nothing to delete: nothing happens.
            page.sendMessage(
                ui::WM_COMMAND, ui::makeWParam(Groups::kDeleteId, ui::BN_CLICKED),
                static_cast<ui::LPARAM>(page.getDlgItem(Groups::kDeleteId)->handle().value));
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        },
        data));
    EXPECT_EQ(data, before);
    EXPECT_TRUE(drv().done());
}

TEST_F(SectionEditorTest, ATypeKeepsItsGroupWhenGroupsBeforeItGo) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"",
        [&](CDlgEditLibSections& d) {
            // Delete "Channels": "Angles" moves up one place in the list.
            ASSERT_TRUE(ui::selectItem(*d.groupsPage(), Groups::kGroupsId, 1));
            ASSERT_TRUE(ui::click(*d.groupsPage(), Groups::kDeleteId));
            ASSERT_TRUE(ui::selectItem(d, CDlgEditLibSections::kTabId, L"Types"));
            Types& page = *d.typesPage();
            ASSERT_TRUE(ui::selectItem(page, Types::kTypesId, L"Equal angle"));
            EXPECT_EQ(comboText(page, Types::kGroupId), L"Angles");
            // Back and forth between the pages keeps the shown type's group.
            ASSERT_TRUE(ui::selectItem(d, CDlgEditLibSections::kTabId, L"Groups"));
            ASSERT_TRUE(ui::click(*d.groupsPage(), Groups::kNewId));
            ASSERT_TRUE(ui::selectItem(d, CDlgEditLibSections::kTabId, L"Types"));
            EXPECT_EQ(comboText(page, Types::kGroupId), L"Angles");
            // UPN's group is gone: it shows none and stores -1.
            ASSERT_TRUE(ui::selectItem(page, Types::kTypesId, L"UPN"));
            EXPECT_EQ(combo(page, Types::kGroupId).getCurSel(), -1);
            // The table combo offers the values page's tables and keeps typed text.
            EXPECT_EQ(combo(page, Types::kTableId).getCount(), 10);
            ASSERT_TRUE(ui::typeText(page, Types::kTableId, L"UPN-new"));
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(data.types[5].groupId, 3);
    EXPECT_EQ(data.types[4].groupId, -1);
    EXPECT_EQ(data.types[4].tableName, L"UPN-new");
    EXPECT_TRUE(drv().done());
}

TEST_F(SectionEditorTest, NewTypesAreNamedInEachLanguageByItsCode) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"",
        [&](CDlgEditLibSections& d) {
            ASSERT_TRUE(ui::selectItem(d, CDlgEditLibSections::kTabId, L"Types"));
            Types& page = *d.typesPage();
            ASSERT_TRUE(ui::click(page, Types::kNewId));
            EXPECT_EQ(page.currentIndex(), 10);
            EXPECT_EQ(comboText(page, Types::kTypesId), L"New type");
            EXPECT_EQ(combo(page, Types::kGroupId).getCurSel(), -1);
            ASSERT_TRUE(ui::selectItem(page, Types::kGroupId, L"Rails"));
            ASSERT_TRUE(ui::click(page, Types::kEnabledId)); // off
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    ASSERT_EQ(data.types.length(), 11);
    const SectionType& t = data.types[10];
    // EN, NL, DE, FR
    EXPECT_EQ(t.names, (Tvl_StringArray{L"New type", L"Nieuw type", L"New type", L"Nouveau type"}));
    EXPECT_EQ(t.groupId, 5);
    EXPECT_FALSE(t.enabled);
    EXPECT_TRUE(drv().done());
}

TEST_F(SectionEditorTest, RenameRefusesTakenAndUnsafeNamesAndNeverLosesTheTable) {
    const std::string original = contents("L.pr");
    const std::string hea = contents("HEA.pr");
    DlgEditLibData data = library();
    EXPECT_FALSE(run(
        L"L",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            // A name in use (file names ignore case): refused, nothing written.
            drv().answerMessageBox(ui::IDOK, dialString(857).str());
            rename(page, L"hea");
            // Names that would leave the profile folder or are no file name.
            for (const wchar_t* bad : {L"..\\L", L"../L", L"a:b", L" L", L".hidden", L"x|y"}) {
                drv().answerMessageBox(ui::IDOK, dialString(888).str());
                rename(page, bad);
            }
            // Its own name: nothing happens, no question.
            rename(page, L"L");
            EXPECT_EQ(comboText(page, Values::kTablesId), L"L");
            // A write that fails keeps the old file (a folder stands where the new file would go).
            std::filesystem::create_directory(prof("Blocked.pr"));
            rename(page, L"Blocked");
            EXPECT_EQ(contents("L.pr"), original);
            EXPECT_EQ(comboText(page, Values::kTablesId), L"L");
            EXPECT_TRUE(printed().find(L"could not be written") != std::wstring::npos);
            // A good name: the new file holds the table, then the old one goes.
            rename(page, L"Angles");
            EXPECT_EQ(comboText(page, Values::kTablesId), L"Angles");
            EXPECT_EQ(page.table().typeName, L"Angles");
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        },
        data));
    EXPECT_FALSE(exists("L.pr"));
    EXPECT_EQ(contents("Angles.pr"), original) << "the same table under the new name";
    EXPECT_EQ(contents("HEA.pr"), hea);
    EXPECT_FALSE(exists("hea.pr") && !exists("HEA.pr"));
    EXPECT_FALSE(std::filesystem::exists(m_lib / "L.pr"));
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, LeavingAChangedTableAsksAndStoresOnlyOnYes) {
    const std::string ipe = contents("IPE.pr");
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"IPE",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            typeCell(page, 1, 1, L"81");
            EXPECT_TRUE(page.grid().sheet().changed());
            // Cancel: the table stays chosen and keeps its edit.
            drv().answerMessageBox(ui::IDCANCEL, L"<IPE>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"HEA"));
            EXPECT_EQ(comboText(page, Values::kTablesId), L"IPE");
            EXPECT_EQ(page.grid().data(1, 1), L"81");
            // No: the edit is dropped.
            drv().answerMessageBox(ui::IDNO, L"<IPE>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"HEA"));
            EXPECT_EQ(comboText(page, Values::kTablesId), L"HEA");
            EXPECT_EQ(contents("IPE.pr"), ipe);
            // Yes: written, in the grid's order, with the table's shape.
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"IPE"));
            typeCell(page, 1, 1, L"81");
            drv().answerMessageBox(ui::IDYES, L"<IPE>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    Tvl_ProfValuesTable ipeTable = table(L"IPE");
    EXPECT_EQ(ipeTable.rows[0][0], L"81");
    EXPECT_EQ(ipeTable.sectionType, L"1");
    EXPECT_EQ(ipeTable.rows.length(), 18);
    EXPECT_EQ(ipeTable.rows[17][6], L"600");
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, ANewTableIsOfferedForStoringAndDroppedWhenDeclined) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"HEA",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            ASSERT_TRUE(ui::click(page, Values::kNewId));
            EXPECT_EQ(comboText(page, Values::kTablesId), L"New table");
            Tvl_StringArray headers;
            page.grid().getColHeaderTexts(headers);
            EXPECT_EQ(headers, (Tvl_StringArray{L"SysName", L"I/O", L"EN", L"NL", L"DE", L"FR",
                                                L"Value1", L"Value2"}));
            EXPECT_EQ(page.grid().data(8, 1), L"0");
            EXPECT_EQ(comboText(page, Values::kShapeId), L"");
            // Declined: no file, and the name leaves the list.
            drv().answerMessageBox(ui::IDNO, L"<New table>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"IPE"));
            EXPECT_EQ(combo(page, Values::kTablesId).findStringExact(-1, L"New table"), -1);
            EXPECT_EQ(comboText(page, Values::kTablesId), L"IPE");
            // Again, with the shape of an I section: the value columns follow; stored on OK.
            ASSERT_TRUE(ui::click(page, Values::kNewId));
            ASSERT_TRUE(ui::selectItem(page, Values::kShapeId, L"<I section>"));
            page.grid().getColHeaderTexts(headers);
            EXPECT_EQ(headers.length(), 11);
            EXPECT_EQ(headers[10], L"r");
            drv().answerMessageBox(ui::IDYES, L"<New table>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_TRUE(data.tableNames.contains(L"New table"));
    Tvl_ProfValuesTable made = table(L"New table");
    EXPECT_EQ(made.sectionType, L"1");
    EXPECT_EQ(made.columnNames.length(), 11);
    EXPECT_EQ(made.rows.length(), 1);
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, ShapeChangesAskBeforeDroppingColumnsAndDrawingNamesStay) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"RHS",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            EXPECT_EQ(comboText(page, Values::kShapeId), L"<Rectangular tube>");
            EXPECT_FALSE(page.grid().sheet().changed())
                << "loading sets the shape without a change";
            // A shape with fewer values: asked; No keeps the columns.
            drv().answerMessageBox(ui::IDNO, L"<Round bar>");
            ASSERT_TRUE(ui::selectItem(page, Values::kShapeId, L"<Round bar>"));
            EXPECT_EQ(page.grid().colCount(), 11);
            Tvl_StringArray headers;
            page.grid().getColHeaderTexts(headers);
            EXPECT_EQ(headers[6], L"d");
            EXPECT_EQ(headers[10], L"G") << "columns beyond the shape keep their names";
            // Yes reduces them.
            drv().answerMessageBox(ui::IDYES, L"<Square bar>");
            ASSERT_TRUE(ui::selectItem(page, Values::kShapeId, L"<Square bar>"));
            EXPECT_EQ(page.grid().colCount(), 7);
            drv().answerMessageBox(ui::IDNO, L"<RHS>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"Rail-A"));
            EXPECT_EQ(comboText(page, Values::kShapeId), L"RailA.dwg");
            // Shape 12 is stored back as 12.
            ASSERT_TRUE(ui::selectItem(page, Values::kShapeId, L"<C section>"));
            drv().answerMessageBox(ui::IDYES, L"<Rail-A>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(table(L"Rail-A").sectionType, L"12");
    EXPECT_EQ(table(L"RHS").sectionType, L"10");
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, DeletingEveryTableLeavesNoCurrentTableAndNothingToStore) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"CHS",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            // No: the table stays.
            drv().answerMessageBox(ui::IDNO, L"<CHS>");
            ASSERT_TRUE(ui::click(page, Values::kDeleteId));
            EXPECT_TRUE(exists("CHS.pr"));
            for (int i = 0; i < 10; ++i) {
                drv().answerMessageBox(ui::IDYES);
                ASSERT_TRUE(ui::click(page, Values::kDeleteId));
            }
            EXPECT_EQ(page.currentTable(), -1);
            EXPECT_EQ(page.grid().rowCount(), 0);
            EXPECT_FALSE(page.grid().sheet().changed());
            ASSERT_TRUE(ui::click(d, ui::IDOK)); // no question
        },
        data));
    EXPECT_EQ(data.tableNames.length(), 0);
    Tvl_StringArray files;
    ObjectExportFindFiles(Tvl_ProfValuesTable::profileFolder(), L"*.pr", files);
    EXPECT_EQ(files.length(), 0);
    EXPECT_FALSE(exists(".pr"));
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, ADamagedTableShowsEmptyAndIsNeverWrittenOver) {
    const std::string damaged = "1\nSysName\tI/O\nbad\\qescape\n";
    write("HEB.pr", damaged);
    write("HEM.pr", std::string("\0\0\xff\xfe binary", 12));
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"HEB",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            EXPECT_TRUE(page.currentDamaged());
            EXPECT_EQ(page.grid().rowCount(), 0);
            EXPECT_NE(printed().find(L"HEB cannot be read"), std::wstring::npos);
            // A shape change marks it changed; storing is refused, the file stays.
            ASSERT_TRUE(ui::selectItem(page, Values::kShapeId, L"<I section>"));
            drv().answerMessageBox(ui::IDYES, L"<HEB>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"HEM"));
            EXPECT_EQ(comboText(page, Values::kTablesId), L"HEB") << "it could not be stored";
            drv().answerMessageBox(ui::IDNO, L"<HEB>");
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"HEM"));
            EXPECT_TRUE(page.currentDamaged());
            // The editor stays usable: another table loads and works.
            ASSERT_TRUE(ui::selectItem(page, Values::kTablesId, L"IPE"));
            EXPECT_FALSE(page.currentDamaged());
            EXPECT_EQ(page.grid().rowCount(), 18);
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(contents("HEB.pr"), damaged);
    EXPECT_EQ(contents("HEM.pr"), std::string("\0\0\xff\xfe binary", 12));
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, GridButtonsActOnTheCurrentRow) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"UPN",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            Tvl_Spread& g = page.grid();
            EXPECT_EQ(g.rowCount(), 16);
            ASSERT_TRUE(g.setActiveCell(1, 2));
            ASSERT_TRUE(ui::click(page, Values::kInsertRowId));
            EXPECT_EQ(g.rowCount(), 17);
            EXPECT_EQ(g.data(1, 3), L"") << "a row below the current one";
            EXPECT_EQ(g.data(0, 3), L"UPN");
            EXPECT_EQ(g.data(1, 4), L"120");
            ASSERT_TRUE(ui::click(page, Values::kDeleteRowId));
            EXPECT_EQ(g.rowCount(), 16);
            ASSERT_TRUE(g.setActiveCell(1, 2));
            ASSERT_TRUE(ui::click(page, Values::kRowUpId));
            EXPECT_EQ(g.data(1, 1), L"100");
            EXPECT_EQ(g.data(1, 2), L"80");
            EXPECT_TRUE(page.getDlgItem(Values::kOptionsId)->isWindowEnabled());
            EXPECT_EQ(ui::hoverTooltip(*page.getDlgItem(Values::kFindId), {2, 2}), L"Find");
            drv().answerMessageBox(ui::IDYES, L"<UPN>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    Tvl_ProfValuesTable upn = table(L"UPN");
    EXPECT_EQ(upn.rows[0][0], L"100");
    EXPECT_EQ(upn.rows[1][0], L"80");
    EXPECT_EQ(upn.rows.length(), 16);
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SectionEditorTest, OkAsksAboutTheShownTableAndCancelThereKeepsTheEditorOpen) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"SHS",
        [&](CDlgEditLibSections& d) {
            typeCell(*d.valuesPage(), 1, 1, L"40x40x2b");
            drv().answerMessageBox(ui::IDCANCEL, L"<SHS>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
            EXPECT_TRUE(d.isWindowVisible());
            drv().answerMessageBox(ui::IDYES, L"<SHS>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(table(L"SHS").rows[0][0], L"40x40x2b");
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

// Grid options (1200) run the table options dialog on the values grid; the rows are
// labelled with the table's name and the columns headed by the shape's names again.
TEST_F(SectionEditorTest, GridOptionsResizeTheTableAndKeepItsRowAndColumnNames) {
    DlgEditLibData data = library();
    ASSERT_TRUE(run(
        L"UPN",
        [&](CDlgEditLibSections& d) {
            Values& page = *d.valuesPage();
            Tvl_Spread& g = page.grid();
            ASSERT_EQ(g.rowCount(), 16);
            Tvl_StringArray headers;
            g.getColHeaderTexts(headers);
            drv().onDialog(CDlgKWOptions::kTemplateId, [&](ui::Dialog& o) {
                auto& options = dynamic_cast<CDlgKWOptions&>(o);
                EXPECT_EQ(o.getDlgItemText(CDlgKWOptions::kRowCountId), L"16");
                EXPECT_EQ(options.colHeaders().value(1, 1), L"SysName");
                EXPECT_EQ(options.rowHeaders().value(1, 16), L"UPN");
                ASSERT_TRUE(ui::typeText(o, CDlgKWOptions::kRowCountId, L"18"));
                Tvl_Spread& cols = options.colHeaders();
                cols.setFocus();
                ASSERT_TRUE(cols.setActiveCell(1, 1));
                ASSERT_TRUE(ui::typeText(L"Other"));
                ASSERT_TRUE(ui::key(ui::VK_RETURN));
                ASSERT_TRUE(ui::click(o, ui::IDOK));
            });
            ASSERT_TRUE(ui::click(page, Values::kOptionsId));
            EXPECT_EQ(g.rowCount(), 18);
            EXPECT_EQ(g.data(0, 17), L"UPN");
            EXPECT_EQ(g.data(0, 18), L"UPN");
            Tvl_StringArray after;
            g.getColHeaderTexts(after);
            EXPECT_EQ(after, headers);
            EXPECT_TRUE(g.sheet().changed());
            drv().answerMessageBox(ui::IDNO, L"<UPN>");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        },
        data));
    EXPECT_EQ(table(L"UPN").rows.length(), 16) << "declined: not written";
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

} // namespace
