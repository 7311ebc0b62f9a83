#include <gtest/gtest.h>

#include <filesystem>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/SqliteDb.h"
#include "tests/platform/grid/engine/io/SheetDump.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

const char* kCornerProperties = "headerFile\xC2\xA4"
                                "4\xC2\xA4"
                                "c:\\a\\kop.kwh\xC2\xA4"
                                "marginLeft\xC2\xA4"
                                "2\xC2\xA4"
                                "9\xC2\xA4"
                                "varNames0\xC2\xA4"
                                "4\xC2\xA4"
                                "Project\xC2\xA4";

// A sheet that uses every kind of thing a document keeps.
void fillSample(Sheet& s) {
    s.setMaxCols(8);
    s.setMaxRows(40);
    s.setNumber(1, 1, 42);
    s.setNumber(2, 1, -0.1);
    s.setNumber(3, 1, 1e300);
    s.setNumber(4, 1, 123456789012345678.0);
    s.setText(1, 2,
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC\ttab\nline");
    s.setText(2, 2, "");
    s.setValue(3, 2, Value::boolean(true));
    s.setValue(4, 2, Value::error(ErrorCode::NA));
    s.setText(0, 3, "row header");
    s.setText(2, 0, "column header");
    s.setTag(1, 1, "width");
    s.setTag(0, 0, kCornerProperties + std::string(5000, 'x'));
    s.setNote(2, 1, "a note\nover two lines");
    EXPECT_TRUE(s.setFormula(1, 5, "A1*2").ok);
    EXPECT_TRUE(s.setFormula(2, 5, "SUM(A1:D1)+width").ok);
    EXPECT_TRUE(s.setFormula(3, 5, "IF(C2,\"yes\",\"no\")").ok);
    EXPECT_TRUE(s.setFormula(4, 5, "1/0").ok);
    s.setCellType(1, 6, CellType::numberType(3, -100, 100, kStyleNegativeRed | kStyleHRight));
    s.setNumber(1, 6, -12.5);
    s.setCellType(2, 6, CellType::edit(100, kStyleMultiLine));
    s.setCellType(3, 6, CellType::comboBox("een\ttwee\tdrie", 0x100000 + 2));
    s.setCellType(4, 6, CellType::checkBox(768));
    s.setCellType(5, 6, CellType::button("Druk"));
    s.setCellType(6, 6, CellType::pictureType("c:\\a\\logo.bmp", 38));
    s.setCellType(7, 6, CellType::staticText(kStyleVCenter));
    Font font;
    font.name = "Courier New";
    font.height = 18;
    font.weight = 700;
    font.italic = true;
    font.underline = true;
    s.setFont(CellRange{1, 7, 3, 7}, font);
    s.setColors(CellRange{1, 8, 2, 8}, 0x00FFFF, 0x8000000B);
    s.setBorder(CellRange{1, 9, 4, 10}, Border{kBorderLeft | kBorderBottom, 11, 0x0000FF});
    s.setLocked(CellRange{5, 9, 5, 12}, true);
    CellFormat aligned;
    aligned.hAlign = HAlign::Center;
    aligned.vAlign = VAlign::Bottom;
    aligned.locked = 0;
    s.setFormat(6, 9, aligned);
    EXPECT_TRUE(s.addSpan(Span{1, 12, 3, 2}));
    s.setColumnWidthPx(0, 40);
    s.setColumnWidthPx(2, 120);
    s.setRowHeightPx(0, 25);
    s.setRowHeightPx(7, 33);
    s.setOption(3, true);
    s.setOption(12, true);
    s.setOption(21, true);
    s.setOption(1000, false);
    s.setRefStyle(RefStyle::A1);
    s.setUnitType(UnitType::Twips);
    s.recalcAll();
}

TEST(DocumentFile, RoundTripKeepsEverything) {
    Sheet original;
    fillSample(original);
    std::string path = test::scratchDir("doc-roundtrip") + "/sample.kws";
    IoStatus saved = DocumentFile::save(original, path);
    ASSERT_TRUE(saved.ok()) << saved.message();

    Sheet loaded;
    loaded.setNumber(1, 1, 999); // replaced by the load
    IoStatus st = DocumentFile::load(loaded, path);
    ASSERT_TRUE(st.ok()) << st.message();
    loaded.recalcAll();
    EXPECT_EQ(test::dumpSheet(loaded), test::dumpSheet(original));
    EXPECT_EQ(loaded.tag(0, 0), original.tag(0, 0));
    EXPECT_EQ(loaded.formula(2, 5, RefStyle::Default), "SUM(A1:D1)+width");
    EXPECT_EQ(loaded.formula(2, 5, RefStyle::A1), "SUM($A$1:$D$1)+width");
    EXPECT_FALSE(loaded.changed());

    // Saving the loaded sheet again gives the same document.
    std::string again = test::scratchDir("doc-roundtrip2") + "/again.kws";
    ASSERT_TRUE(DocumentFile::save(loaded, again).ok());
    Sheet third;
    ASSERT_TRUE(DocumentFile::load(third, again).ok());
    third.recalcAll();
    EXPECT_EQ(test::dumpSheet(third), test::dumpSheet(original));
}

TEST(DocumentFile, LoadKeepsCustomFunctionsAndRecalculatesWithAutoCalc) {
    Sheet source;
    source.setMaxCols(3);
    source.setMaxRows(3);
    source.setNumber(1, 1, 20);
    ASSERT_TRUE(source.setFormula(2, 1, "A1+1").ok);
    source.setAutoCalc(true);
    std::string path = test::scratchDir("doc-autocalc") + "/calc.kws";
    ASSERT_TRUE(DocumentFile::save(source, path).ok());

    Sheet target;
    CustomFunction fn;
    fn.name = "TWICE";
    fn.minArgs = 1;
    fn.maxArgs = 1;
    fn.handler = [](Sheet&, ValueRecord& result, const ValueRecord* args, int) {
        result.status = RecordStatus::Ok;
        result.type = RecordType::Double;
        result.doubleValue =
            2 * (args[0].type == RecordType::Long ? static_cast<double>(args[0].longValue)
                                                  : args[0].doubleValue);
        return true;
    };
    ASSERT_TRUE(target.addCustomFunction(fn));
    ASSERT_TRUE(DocumentFile::load(target, path).ok());
    EXPECT_NE(target.customFunction("TWICE"), nullptr);
    EXPECT_TRUE(target.autoCalc());
    EXPECT_EQ(target.value(2, 1), Value::number(21));
}

// The FROMTABLE pattern: a custom function loads another document while its own
// sheet calculates. Loading into the calculating sheet itself is refused.
TEST(DocumentFile, LoadsFromInsideACalculation) {
    Sheet other;
    other.setMaxCols(2);
    other.setMaxRows(2);
    other.setNumber(2, 2, 7);
    std::string path = test::scratchDir("doc-nested") + "/other.kws";
    ASSERT_TRUE(DocumentFile::save(other, path).ok());

    Sheet sheet;
    IoStatus selfLoad;
    CustomFunction fn;
    fn.name = "FROMFILE";
    fn.minArgs = 0;
    fn.maxArgs = 0;
    fn.handler = [&](Sheet& calling, ValueRecord& result, const ValueRecord*, int) {
        selfLoad = DocumentFile::load(calling, path);
        Sheet nested;
        if (!DocumentFile::load(nested, path).ok())
            return false;
        result.status = RecordStatus::Ok;
        result.type = RecordType::Double;
        result.doubleValue = nested.value(2, 2).asNumber();
        return true;
    };
    ASSERT_TRUE(sheet.addCustomFunction(fn));
    ASSERT_TRUE(sheet.setFormula(1, 1, "FROMFILE()+1").ok);
    sheet.recalcAll();
    EXPECT_EQ(sheet.value(1, 1), Value::number(8));
    EXPECT_EQ(selfLoad.result(), IoResult::BadArgument);
    EXPECT_TRUE(sheet.hasFormula(1, 1));
}

TEST(DocumentFile, WithoutAutoCalcTheStoredResultsShowUntilRecalculated) {
    Sheet source;
    source.setMaxCols(3);
    source.setMaxRows(3);
    source.setNumber(1, 1, 20);
    ASSERT_TRUE(source.setFormula(2, 1, "A1+1").ok);
    ASSERT_TRUE(source.setFormula(3, 1, "B1&\"x\"").ok);
    source.recalcAll();
    source.setAutoCalc(false);
    std::string path = test::scratchDir("doc-stored") + "/stored.kws";
    ASSERT_TRUE(DocumentFile::save(source, path).ok());

    Sheet target;
    ASSERT_TRUE(DocumentFile::load(target, path).ok());
    ASSERT_FALSE(target.autoCalc());
    EXPECT_EQ(target.value(2, 1), Value::number(21));
    EXPECT_EQ(target.value(3, 1), Value::text("21x"));
    target.setNumber(1, 1, 1);
    target.recalcCell(3, 1);
    EXPECT_EQ(target.value(3, 1), Value::text("2x"));
}

TEST(DocumentFile, DataOnlyKeepsContentsAndDropsLooks) {
    Sheet original;
    fillSample(original);
    std::string path = test::scratchDir("doc-dataonly") + "/data.kws";
    ASSERT_TRUE(DocumentFile::save(original, path, DocumentFile::Content::DataOnly).ok());
    Sheet loaded;
    ASSERT_TRUE(DocumentFile::load(loaded, path).ok());
    EXPECT_EQ(loaded.value(1, 1), Value::number(42));
    EXPECT_EQ(loaded.tag(0, 0), original.tag(0, 0));
    EXPECT_EQ(loaded.note(2, 1), "a note\nover two lines");
    EXPECT_TRUE(loaded.spans().empty());
    EXPECT_TRUE(loaded.columnWidthsPx().empty());
    EXPECT_EQ(loaded.cellType(1, 6).code, CellTypeCode::General);
}

TEST(DocumentFile, FailedSaveLeavesTheOldFile) {
    std::string dir = test::scratchDir("doc-failsave");
    std::string path = dir + "/doc.kws";
    Sheet first;
    first.setMaxCols(2);
    first.setMaxRows(2);
    first.setText(1, 1, "old");
    ASSERT_TRUE(DocumentFile::save(first, path).ok());
    const std::string oldBytes = test::readAll(path);

    Sheet second;
    fillSample(second);
    for (auto stage : {AtomicFile::Stage::Create, AtomicFile::Stage::Write, AtomicFile::Stage::Sync,
                       AtomicFile::Stage::Rename}) {
        AtomicFile::failNextAt(stage);
        IoStatus st = DocumentFile::save(second, path);
        EXPECT_EQ(st.result(), IoResult::WriteFailed) << static_cast<int>(stage);
        EXPECT_EQ(test::readAll(path), oldBytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                                std::filesystem::directory_iterator()),
                  1);
    }
    Sheet check;
    ASSERT_TRUE(DocumentFile::load(check, path).ok());
    EXPECT_EQ(check.value(1, 1), Value::text("old"));

    EXPECT_EQ(DocumentFile::save(second, dir + "/missing/doc.kws").result(), IoResult::WriteFailed);
    // A folder where the file should be cannot be replaced.
    std::filesystem::create_directory(dir + "/taken.kws");
    EXPECT_EQ(DocumentFile::save(second, dir + "/taken.kws").result(), IoResult::WriteFailed);
}

// Runs SQL against a saved copy of the sample to make a broken document.
std::string brokenCopy(const std::string& dir, const std::string& name, const std::string& sql) {
    Sheet s;
    fillSample(s);
    std::string path = dir + "/" + name + ".kws";
    EXPECT_TRUE(DocumentFile::save(s, path).ok());
    SqliteDb db;
    EXPECT_TRUE(db.open(path, SqliteDb::Mode::ReadWriteCreate));
    EXPECT_TRUE(db.exec(sql)) << sql << ": " << db.lastError();
    return path;
}

// A saved sample without its last `cut` bytes.
std::string cutCopy(const std::string& dir, const std::string& name, size_t cut) {
    Sheet s;
    fillSample(s);
    std::string path = dir + "/" + name + ".kws";
    EXPECT_TRUE(DocumentFile::save(s, path).ok());
    std::string bytes = test::readAll(path);
    test::writeAll(path, bytes.substr(0, bytes.size() - std::min(cut, bytes.size())));
    return path;
}

TEST(DocumentFile, BadFilesFailClearlyAndLeaveTheSheetAlone) {
    std::string dir = test::scratchDir("doc-bad");
    test::writeAll(dir + "/text.kws", "headerFile\xA4"
                                      "4\xA4x\xA4 this is not a document at all");
    test::writeAll(dir + "/empty.kws", "");
    {
        SqliteDb other;
        ASSERT_TRUE(other.open(dir + "/other.kws", SqliteDb::Mode::ReadWriteCreate));
        ASSERT_TRUE(other.exec("CREATE TABLE t(x); INSERT INTO t VALUES (1);"));
    }
    struct Case {
        std::string path;
        IoResult want;
        std::string inMessage;
    } cases[] = {
        {dir + "/missing.kws", IoResult::CannotOpen, "cannot open"},
        {dir + "/text.kws", IoResult::NotADocument, "not a grid document"},
        {dir + "/empty.kws", IoResult::NotADocument, "not a grid document"},
        {dir + "/other.kws", IoResult::NotADocument, "not a grid document"},
        {brokenCopy(dir, "newer", "PRAGMA user_version=2"), IoResult::UnsupportedVersion,
         "newer version"},
        {brokenCopy(dir, "noversion", "PRAGMA user_version=0"), IoResult::Damaged,
         "no schema version"},
        {brokenCopy(dir, "blob", "UPDATE cell_rows SET cells=x'0109' WHERE row=1"),
         IoResult::Damaged, "row 1"},
        {brokenCopy(dir, "kind", "UPDATE cell_rows SET cells=x'0177' WHERE row=1"),
         IoResult::Damaged, "row 1"},
        {brokenCopy(dir, "lost", "DELETE FROM cell_rows WHERE row=2"), IoResult::Damaged, "counts"},
        {brokenCopy(dir, "formula", "UPDATE formulas SET formula='SUM((' WHERE row=5 AND col=1"),
         IoResult::Damaged, "A5"},
        {brokenCopy(dir, "range", "UPDATE cell_rows SET row=41 WHERE row=1"), IoResult::Damaged,
         "out of range"},
        {brokenCopy(dir, "span", "INSERT INTO spans VALUES (2, 12, 2, 2)"), IoResult::Damaged,
         "span"},
        {brokenCopy(dir, "typeid",
                    "UPDATE cell_attributes SET type_id=99 WHERE type_id IS NOT NULL"),
         IoResult::Damaged, "type"},
        {brokenCopy(dir, "format", "UPDATE formats SET h_align=9"), IoResult::Damaged,
         "format field"},
        {brokenCopy(dir, "size", "UPDATE document SET value=-5 WHERE key='max_rows'"),
         IoResult::Damaged, "max_rows"},
        {brokenCopy(dir, "nokey", "DELETE FROM document WHERE key='max_cols'"), IoResult::Damaged,
         "max_cols"},
        {brokenCopy(dir, "notable", "DROP TABLE spans"), IoResult::Damaged, "spans"},
        {brokenCopy(dir, "texttype", "UPDATE row_heights SET height_px='tall'"), IoResult::Damaged,
         "row height"},
        {cutCopy(dir, "cut", 1), IoResult::Damaged, "cut off"},
        {brokenCopy(dir, "value",
                    "UPDATE cell_rows SET cells=CAST(replace(CAST(cells AS TEXT), 'tab', 'TAB') AS "
                    "BLOB) WHERE row=2"),
         IoResult::Damaged, "checksum"},
        {brokenCopy(dir, "note", "UPDATE cell_attributes SET note='edited' WHERE note IS NOT NULL"),
         IoResult::Damaged, "checksum"},
        {brokenCopy(dir, "width", "UPDATE column_widths SET width_px=width_px+1"),
         IoResult::Damaged, "checksum"},
        {brokenCopy(dir, "nosum", "DELETE FROM document WHERE key='checksum'"), IoResult::Damaged,
         "checksum is missing"},
    };
    Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    sheet.setText(2, 2, "keep me");
    sheet.setTag(0, 0, "corner");
    sheet.setOption(12, true);
    const std::string before = test::dumpSheet(sheet);
    for (const Case& c : cases) {
        IoStatus st = DocumentFile::load(sheet, c.path);
        EXPECT_EQ(st.result(), c.want) << c.path << ": " << st.message();
        EXPECT_NE(st.message().find(c.inMessage), std::string::npos)
            << c.path << ": " << st.message();
        EXPECT_EQ(test::dumpSheet(sheet), before) << c.path;
    }
}

} // namespace
} // namespace grid
