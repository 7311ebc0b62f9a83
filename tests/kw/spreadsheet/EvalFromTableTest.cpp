#include "EvalTestSupport.h"

#include "platform/base/Files.h"
#include "platform/ui/Application.h"

namespace {

using grid::ErrorCode;
using grid::Value;

class FromTableTest : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        grid::Sheet p;
        profilesPath = saveDoc(profiles(p), "profiles.kws");
        kw::registerFromTableOn(calling);
        calling.setMaxCols(7);
        calling.setMaxRows(6);
    }
    Value eval(int col, int row, const std::string& formula) {
        auto st = calling.setFormula(col, row, formula);
        EXPECT_TRUE(st.ok) << formula << ": " << st.message;
        calling.recalcAll();
        return calling.value(col, row);
    }
    grid::Sheet calling;
    std::string profilesPath;
};

TEST_F(FromTableTest, TheKeyFormGivesTheResultColumnOfTheFirstMatchingRow) {
    EXPECT_EQ(
        eval(1, 1, "FROMTABLE(" + quoted("profiles.kws") + ",\"name\",\"WEIGHT\",\"hea200\")"),
        Value::number(42.3))
        << "columns and keys are compared ignoring case";
    // A key from a cell of the calling sheet, and a whole number as key text.
    calling.setText(2, 2, "IPE300");
    EXPECT_EQ(eval(1, 2, "FROMTABLE(" + quoted("profiles.kws") + ",\"Name\",\"h\",B2)"),
              Value::number(300));
    EXPECT_EQ(eval(1, 3, "FROMTABLE(" + quoted("profiles.kws") + ",\"h\",\"Name\",190)"),
              Value::text("HEA200"));
    EXPECT_EQ(eval(1, 4, "FROMTABLE(" + quoted("profiles.kws") + ",\"Weight\",\"Name\",42.2)"),
              Value::text("IPE300"))
        << "a real key is its shortest exact text, matched against the display text";
    // A key that is not there gives nothing; a column that is not there is a fault.
    EXPECT_EQ(
        eval(1, 5, "FROMTABLE(" + quoted("profiles.kws") + ",\"Name\",\"Weight\",\"HEA999\")"),
        Value());
    EXPECT_EQ(eval(1, 6, "FROMTABLE(" + quoted("profiles.kws") + ",\"Name\",\"Mass\",\"HEA200\")"),
              Value::error(ErrorCode::Ref));
    const std::wstring out = printed();
    EXPECT_NE(out.find(L"Result is double: 42.300000\n"), std::wstring::npos) << out;
    EXPECT_NE(out.find(L"Result is long: 300\n"), std::wstring::npos);
    EXPECT_NE(out.find(L"Result is string: HEA200\n"), std::wstring::npos);
}

TEST_F(FromTableTest, TheCellFormReadsTheCellByItsTypeAndTheCopyingFormsWriteIntoTheCaller) {
    EXPECT_EQ(eval(6, 1, "FROMTABLE(" + quoted("profiles.kws") + ",C2)"), Value::number(190));
    EXPECT_EQ(eval(6, 2, "FROMTABLE(" + quoted("profiles.kws") + ",B1)"), Value::number(16.7));
    EXPECT_EQ(eval(6, 3, "FROMTABLE(" + quoted("profiles.kws") + ",A3)"), Value::text("IPE300"));
    // Three arguments: the text of A2 goes into E1, the formula's cell stays empty.
    EXPECT_EQ(eval(6, 4, "FROMTABLE(" + quoted("profiles.kws") + ",A2,E1)"), Value());
    EXPECT_EQ(calling.value(5, 1), Value::text("HEA200"));
    // Five arguments: the looked-up cell's text goes into the last argument's cell.
    EXPECT_EQ(
        eval(6, 5, "FROMTABLE(" + quoted("profiles.kws") + ",\"Name\",\"Weight\",\"HEA100\",E2)"),
        Value());
    EXPECT_EQ(calling.value(5, 2), Value::number(16.7));
}

TEST_F(FromTableTest, WrongArgumentsAndUnreadableDocumentsGiveErrorValues) {
    EXPECT_EQ(eval(6, 1, "FROMTABLE(5,A1)"), Value::error(ErrorCode::Value)) << "no document name";
    EXPECT_EQ(eval(6, 2, "FROMTABLE(" + quoted("profiles.kws") + ",\"A1\")"),
              Value::error(ErrorCode::Value))
        << "the cell form needs a cell reference";
    EXPECT_EQ(eval(6, 3, "FROMTABLE(" + quoted("profiles.kws") + ",A1:B2,\"x\",\"y\")"),
              Value::error(ErrorCode::Value))
        << "a range is no key";
    EXPECT_EQ(eval(6, 4, "FROMTABLE(" + quoted("profiles.kws") + ")"),
              Value::error(ErrorCode::Value));
    EXPECT_EQ(eval(7, 1, "FROMTABLE(" + quoted("nothere.kws") + ",A1)"),
              Value::error(ErrorCode::Ref));
    writeBytes("binary.kws", std::string("\x89PNG\r\n\x1a\n\0\0garbage", 16));
    EXPECT_EQ(eval(7, 2, "FROMTABLE(" + quoted("binary.kws") + ",A1)"),
              Value::error(ErrorCode::Ref));
    // A document cut in half.
    const std::string whole = *base::readFile(profilesPath);
    writeBytes("half.kws", whole.substr(0, whole.size() / 2));
    EXPECT_EQ(eval(7, 3, "FROMTABLE(" + quoted("half.kws") + ",A1)"), Value::error(ErrorCode::Ref));
    // A folder is no document.
    std::filesystem::create_directories(m_tmp / "folder.kws");
    EXPECT_EQ(eval(7, 4, "FROMTABLE(" + quoted("folder.kws") + ",A1)"),
              Value::error(ErrorCode::Ref));
    EXPECT_EQ(eval(7, 5, "FROMTABLE(" + quoted("profiles.kws") + ",Z99)"),
              Value::error(ErrorCode::Ref))
        << "a cell beyond the document";
}

TEST_F(FromTableTest, ADocumentThatReadsItselfOrAChainBackEndsWithACircularError) {
    // Self: A1 of self.kws reads its own B1, whose formula reads A1 of itself again.
    grid::Sheet self;
    kw::registerFromTableOn(self);
    self.setMaxCols(2);
    self.setMaxRows(2);
    self.setAutoCalc(false);
    self.setFormula(1, 1, "FROMTABLE(" + quoted("self.kws") + ",B1)");
    self.setFormula(2, 1, "FROMTABLE(" + quoted("self.kws") + ",A1)+1");
    self.setAutoCalc(true);
    saveDoc(self, "self.kws");
    // A -> B -> A.
    grid::Sheet a, b;
    a.setMaxCols(2);
    a.setMaxRows(1);
    b.setMaxCols(2);
    b.setMaxRows(1);
    a.setFormula(1, 1, "FROMTABLE(" + quoted("b.kws") + ",A1)");
    b.setFormula(1, 1, "FROMTABLE(" + quoted("a.kws") + ",A1)");
    saveDoc(a, "a.kws");
    saveDoc(b, "b.kws");

    EXPECT_EQ(eval(3, 1, "FROMTABLE(" + quoted("self.kws") + ",A1)"),
              Value::error(ErrorCode::Circular));
    EXPECT_EQ(eval(3, 2, "FROMTABLE(" + quoted("a.kws") + ",A1)"),
              Value::error(ErrorCode::Circular));
    // A chain longer than the guard allows stops too (each document reads the next).
    for (int i = 0; i < kw::FromTableDocuments::kMaxDepth + 2; ++i) {
        grid::Sheet link;
        link.setMaxCols(1);
        link.setMaxRows(1);
        link.setFormula(1, 1,
                        "FROMTABLE(" + quoted("link" + std::to_string(i + 1) + ".kws") + ",A1)");
        saveDoc(link, "link" + std::to_string(i) + ".kws");
    }
    EXPECT_EQ(eval(3, 3, "FROMTABLE(" + quoted("link0.kws") + ",A1)"),
              Value::error(ErrorCode::Circular));
}

TEST_F(FromTableTest, ADocumentIsReadOnceAndAgainOnlyWhenItOrADocumentItReadsChanged) {
    kw::FromTableDocuments& docs = kw::FromTableDocuments::instance();
    // middle.kws takes its A1 from profiles.kws.
    grid::Sheet middle;
    middle.setMaxCols(1);
    middle.setMaxRows(1);
    middle.setFormula(1, 1,
                      "FROMTABLE(" + quoted("profiles.kws") + ",\"Name\",\"Weight\",\"HEA200\")");
    saveDoc(middle, "middle.kws");
    calling.setAutoCalc(false);
    for (int r = 1; r <= 6; ++r)
        calling.setFormula(1, r, "FROMTABLE(" + quoted("middle.kws") + ",A1)*" + std::to_string(r));
    const uint64_t before = docs.loads();
    {
        kw::FromTableDocuments::CalculationScope calculation;
        calling.recalcAll();
    }
    EXPECT_EQ(docs.loads() - before, 2u) << "middle.kws and profiles.kws, once each";
    EXPECT_EQ(calling.value(1, 6), Value::number(42.3 * 6));
    calling.recalcAll();
    EXPECT_EQ(docs.loads() - before, 2u) << "unchanged files are not read again";

    // profiles.kws changes: middle.kws, which read it, is read again as well.
    grid::Sheet p;
    profiles(p).setNumber(2, 2, 50);
    const auto old = std::filesystem::last_write_time(profilesPath);
    ASSERT_TRUE(grid::DocumentFile::save(p, profilesPath).ok());
    std::filesystem::last_write_time(profilesPath, old + std::chrono::seconds(2));
    calling.recalcAll();
    EXPECT_EQ(docs.loads() - before, 4u);
    EXPECT_EQ(calling.value(1, 2), Value::number(100));
}

} // namespace
