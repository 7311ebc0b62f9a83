// The editor's documents and exports: save as, reopen, the save question, failures that
// must not look like success, and the three export types checked in the files written.

#include "EditorTestSupport.h"

#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/editor/XlsFileSummary.h"

#include <cstdio>
#include <sys/wait.h>

namespace {

using namespace editortest;

class EditorFiles : public EditorTest {
protected:
    // A small document as a person types it: a text, a number, a formula, a variable
    // and a note.
    void typeSample(D& e, ui::ScriptedDriver& driver) {
        typeInto(e, 1, 1, D::kCellTextId, L"Plate");
        typeInto(e, 2, 1, D::kCellTextId, L"12.5");
        typeInto(e, 2, 1, D::kVariableId, L"thickness");
        typeInto(e, 3, 1, D::kFormulaId, L"thickness*2");
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
            ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, L"S355"));
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        clickCell(e, 1, 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdNote));
    }
};

TEST_F(EditorFiles, SaveAsAndReopenKeepCellsFormulasVariablesAndNotes) {
    const auto file = m_tmp / "plates.kws";
    ui::ScriptedDriver driver;
    driver.answerFile(product(m_tmp / "plates").str()); // the type's extension is added
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeSample(e, driver);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
        EXPECT_FALSE(e.changed());
        EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - " + product(file).str());
        EXPECT_EQ(driver.fileDialogs().back().title, L"SpreadSheet bewaren");
    });
    ASSERT_TRUE(std::filesystem::exists(file));
    // Reopened through the menu of a new editor.
    driver.answerFile(product(file).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdOpen));
        EXPECT_EQ(driver.fileDialogs().back().title, L"SpreadSheet openen");
        EXPECT_FALSE(e.changed());
        Tvl_Spread& g = e.grid();
        EXPECT_EQ(g.value(1, 1), L"Plate");
        EXPECT_EQ(g.note(1, 1), L"S355");
        EXPECT_EQ(g.tag(2, 1), L"thickness");
        EXPECT_EQ(g.formula(3, 1), L"thickness*2");
        EXPECT_EQ(g.data(3, 1), L"25");
        // Save writes under the same name without asking for one.
        typeInto(e, 2, 1, D::kCellTextId, L"15");
        const size_t dialogs = driver.fileDialogs().size();
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSave));
        EXPECT_EQ(driver.fileDialogs().size(), dialogs);
        EXPECT_FALSE(e.changed());
        // A bare name is one beside the document, as in the system's dialog.
        driver.answerFile(L"copy");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
        EXPECT_TRUE(std::filesystem::exists(m_tmp / "copy.kws"));
    });
    runEditor(driver, product(file), [&](D& e) { EXPECT_EQ(e.grid().data(3, 1), L"30"); });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorFiles, AFailedSaveKeepsTheDocumentChangedAndTheCloseWaits) {
    // A file where the folder should be: nothing can be written below it.
    const auto blocker = m_tmp / "not-a-folder";
    std::ofstream(blocker) << "x";
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        typeInto(e, 1, 1, D::kCellTextId, L"1");
        driver.answerFile(product(blocker / "doc.kws").str());
        driver.answerMessageBox(ui::IDOK, L"kan niet worden bewaard");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
        EXPECT_TRUE(e.changed());
        EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - Naamloos");
        // Closing: Yes tries to save, the save is cancelled, the editor stays.
        driver.answerMessageBox(ui::IDYES, L"Wilt u de wijzigingen");
        driver.answerFile(std::nullopt);
        ASSERT_TRUE(ui::closeBox(e));
        EXPECT_TRUE(e.isWindow());
        driver.answerMessageBox(ui::IDNO, L"Wilt u de wijzigingen");
        ASSERT_TRUE(ui::closeBox(e));
    });
    KWEditor();
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorFiles, ClosingAChangedDocumentWithNoWritesNothing) {
    const auto file = m_tmp / "kept.kws";
    ui::ScriptedDriver driver;
    driver.answerFile(product(file).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"old");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
    });
    const std::string before = readFile(file);
    runEditor(driver, product(file), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"new");
        EXPECT_TRUE(e.changed()); // runEditor answers No to the question
    });
    EXPECT_EQ(driver.messageBoxes().back().caption, L"Document gewijzigd");
    EXPECT_EQ(readFile(file), before);
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorFiles, ADamagedOrForeignDocumentIsReportedAndTheOpenOneStays) {
    const auto damaged = m_tmp / "damaged.kws";
    std::ofstream(damaged, std::ios::binary) << std::string("SQLite format 3\0garbage", 23);
    const auto foreign = m_tmp / "foreign.kws";
    std::ofstream(foreign, std::ios::binary) << "Name;Weight\nHEA100;16.7\n";
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"mine");
        for (const auto& file : {damaged, foreign}) {
            driver.answerMessageBox(ui::IDNO, L"Wilt u de wijzigingen");
            driver.answerFile(product(file).str());
            driver.answerMessageBox(ui::IDOK, L"kan niet worden geopend");
            ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdOpen));
            EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - Naamloos");
            EXPECT_EQ(e.grid().value(1, 1), L"mine");
            EXPECT_TRUE(e.changed());
        }
    });
    EXPECT_TRUE(driver.done());
}

// The sample bill of materials names a header file in a folder that does not exist here;
// copied beside the document, the header is found and the corner tag names it.
TEST_F(EditorFiles, AHeaderFileThatMovedWithTheDocumentIsFoundBesideIt) {
    const std::filesystem::path samples = TVL_SOURCE_DIR "/resources/install/tvllib/Spreadsheets";
    const auto file = m_tmp / "bom.kws";
    std::filesystem::copy_file(samples / "bill-of-materials.kws", file);
    std::filesystem::copy_file(samples / "header.kwh", m_tmp / "header.kwh");
    const std::string before = readFile(file);
    ui::ScriptedDriver driver;
    runEditor(driver, product(file), [&](D& e) {
        bool equal = true;
        const kw::DocumentProperties props =
            kw::readDocumentProperties(Tvl_String(e.grid().tag(0, 0)), equal);
        EXPECT_EQ(props.headerFile.str(), product(m_tmp / "header.kwh").str());
        EXPECT_FALSE(e.changed());
    });
    EXPECT_EQ(readFile(file), before); // changed in the grid only
    EXPECT_TRUE(driver.done());
}

class EditorExport : public EditorFiles {
protected:
    // Runs python3 (the system's, with its xlrd) on a script; the exit status.
    static int python(const std::string& script, const std::filesystem::path& arg,
                      std::string& out) {
        const std::string cmd = "/usr/bin/python3 -c '" + script + "' '" + arg.string() + "' 2>&1";
        FILE* p = popen(cmd.c_str(), "r");
        if (!p)
            return -1;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        const int status = pclose(p);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(EditorExport, TheChosenExtensionPicksExcelHtmlOrTextAndTheFilesHoldTheSheet) {
    const auto doc = m_tmp / "plates.kws";
    ui::ScriptedDriver driver;
    driver.answerFile(product(doc).str());
    for (const char* name : {"plates.xls", "plates.htm", "PLATES.TXT"})
        driver.answerFile(product(m_tmp / name).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeSample(e, driver);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdExport));
        const ui::FileDialogRequest& asked = driver.fileDialogs().back();
        EXPECT_EQ(asked.title, L"Rekentabel exporteren");
        EXPECT_EQ(asked.initialFile, product(m_tmp / "plates.").str());
        ASSERT_EQ(asked.filters.size(), 4u); // .xlsx added last (EditorWorkbookFilesTest)
        EXPECT_EQ(asked.filters[0].second, L"*.xls");
    });
    // Excel 97: a compound file whose workbook holds the sheet "Sheet1".
    const std::string xls = readFile(m_tmp / "plates.xls");
    ASSERT_GE(xls.size(), 512u);
    EXPECT_EQ(xls.substr(0, 8), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    std::string out;
    const int status = python(
        "import sys, xlrd\n"
        "b = xlrd.open_workbook(sys.argv[1])\n"
        "s = b.sheet_by_index(0)\n"
        "print(b.sheet_names()[0], s.cell_value(0, 0), s.cell_value(0, 1), s.cell_value(0, 2))\n",
        m_tmp / "plates.xls", out);
    // The command line says what was read back: the new document's cells all have a
    // type, so the used part is the whole 6 x 11 sheet.
    EXPECT_NE(printed().find(L"plates.xls: Excel-werkmap, blad Sheet1, 11 rijen, 6 kolommen."),
              std::wstring::npos)
        << grid::narrow(printed());
    if (status == 0)
        EXPECT_EQ(out, "Sheet1 Plate 12.5 25.0\n");
    else
        EXPECT_NE(out.find("No module named"), std::string::npos) << out; // xlrd missing only
    const std::string html = readFile(m_tmp / "plates.htm");
    EXPECT_NE(html.find("<table"), std::string::npos);
    EXPECT_NE(html.find("Plate"), std::string::npos);
    // Upper-case TXT is the text export: cells joined with "|".
    const std::string text = readFile(m_tmp / "PLATES.TXT");
    EXPECT_EQ(text.rfind("Plate|12.5|25", 0), 0u) << text;
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorExport, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"x");
        for (const char* name : {"missing/folder/out.xls", "missing/out.htm", "out.csv"}) {
            driver.answerFile(product(m_tmp / name).str());
            driver.answerMessageBox(ui::IDOK);
            ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdExport));
        }
    });
    EXPECT_FALSE(std::filesystem::exists(m_tmp / "missing"));
    EXPECT_FALSE(std::filesystem::exists(m_tmp / "out.csv"));
    EXPECT_TRUE(driver.done());
}

// The read-back of a workbook survives every cut of a real one and foreign bytes.
TEST_F(EditorExport, TheWorkbookReadBackRefusesTruncatedAndForeignFiles) {
    const auto xls = m_tmp / "rows.xls";
    ui::ScriptedDriver driver;
    driver.answerFile(product(xls).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 6, 11, D::kCellTextId, L"corner");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdExport));
    });
    const std::string bytes = readFile(xls);
    kw::XlsSummary summary;
    std::string why;
    ASSERT_TRUE(kw::summariseXls(bytes, summary, why)) << why;
    EXPECT_EQ(summary.rows, 11);
    EXPECT_EQ(summary.cols, 6);
    for (size_t n = 0; n < bytes.size(); n += 61)
        EXPECT_FALSE(kw::summariseXls(bytes.substr(0, n), summary, why)) << n;
    std::string flipped = bytes;
    for (size_t i = 0x30; i < 0x50; ++i)
        flipped[i] = '\xFF';
    EXPECT_FALSE(kw::summariseXls(flipped, summary, why));
    EXPECT_FALSE(kw::summariseXls(std::string(4096, 'x'), summary, why));
    // A sector table claimed larger than the file is refused before it is read.
    std::string huge = bytes;
    huge.replace(0x2C, 4, "\xFF\xFF\xFF\x7F");
    EXPECT_FALSE(kw::summariseXls(huge, summary, why));
    EXPECT_TRUE(driver.done());
}

} // namespace
