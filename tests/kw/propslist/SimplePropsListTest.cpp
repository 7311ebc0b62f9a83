// The property list of spreadsheet documents and print headers: text form, 8-bit files,
// indexed lists, and the document-property rules built on it.

#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/Tvl_SimplePropsList.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

const std::wstring S(1, L'\u00A4');

class PropsListFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TVL_TEST_TMP");
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(tmp ? tmp : "/tmp/kw_propslist_test") / info->name();
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    Tvl_String path(const char* name) const { return Tvl_String(base::toProduct(m_dir / name)); }
    void writeBytes(const char* name, const std::string& bytes) const {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    std::string readBytes(const char* name) const {
        return base::readFile(m_dir / name).value_or("<missing>");
    }
    std::filesystem::path m_dir;
};

} // namespace

TEST(SimplePropsList, TextFormOfTwoEntriesAndBack) {
    Tvl_SimplePropsList list;
    ASSERT_TRUE(list.setInt(L"a", 5));
    ASSERT_TRUE(list.setText(L"b", L"x"));
    const std::wstring expected = L"a" + S + L"2" + S + L"5" + S + L"b" + S + L"4" + S + L"x" + S;
    EXPECT_EQ(list.toString().str(), expected);

    Tvl_SimplePropsList back;
    ASSERT_TRUE(back.fromString(Tvl_String(expected)));
    EXPECT_EQ(back, list);

    // Four fields: one complete triple, the trailing piece is ignored.
    Tvl_SimplePropsList partial;
    ASSERT_TRUE(partial.fromString(Tvl_String(L"a" + S + L"2" + S + L"5" + S + L"b" + S)));
    EXPECT_EQ(partial.length(), 1);
    int v = 0;
    EXPECT_TRUE(partial.getInt(L"a", v));
    EXPECT_EQ(v, 5);
}

TEST(SimplePropsList, EveryKindKeepsItsValueThroughTheTextForm) {
    Tvl_SimplePropsList list;
    list.setReal(L"r", 2.5);
    list.setBool(L"flag", true);
    list.setLong(L"l", -70000);
    list.setText(L"t", L"with blanks; and \"quotes\" \u00e9\u20ac");
    list.setText(L"empty", L"");
    list.setNone(L"nothing");
    EXPECT_NE(list.toString().str().find(L"r" + S + L"1" + S + L"2.50" + S), std::wstring::npos);

    Tvl_SimplePropsList back;
    ASSERT_TRUE(back.fromString(list.toString()));
    EXPECT_EQ(back.toString(), list.toString());
    double r = 0;
    bool b = false;
    int l = 0;
    Tvl_String t;
    EXPECT_TRUE(back.getReal(L"R", r)); // names ignore case
    EXPECT_DOUBLE_EQ(r, 2.5);
    EXPECT_TRUE(back.getBool(L"flag", b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(back.getLong(L"l", l));
    EXPECT_EQ(l, -70000);
    EXPECT_TRUE(back.getText(L"t", t));
    EXPECT_EQ(t, L"with blanks; and \"quotes\" \u00e9\u20ac");
    EXPECT_TRUE(back.getText(L"empty", t));
    EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(back.find(L"nothing"), 5);
}

TEST(SimplePropsList, SettingAndGettingFollowNamesAndKinds) {
    Tvl_SimplePropsList list;
    EXPECT_FALSE(list.setInt(L"", 1));
    EXPECT_FALSE(list.setText(L"a", L"holds " + S + L" the separator"));
    EXPECT_FALSE(list.setText(L"a" + S, L"x"));
    EXPECT_EQ(list.length(), 0);

    list.setText(L"first", L"text");
    list.setInt(L"second", 2);
    list.setReal(L"FIRST", 1.25); // replaces in place, with the new kind
    EXPECT_EQ(list.length(), 2);
    EXPECT_EQ(list.find(L"first"), 0);
    Tvl_String name, value;
    int kind = -1;
    ASSERT_TRUE(list.getEntry(0, name, kind, value));
    EXPECT_EQ(name, L"first");
    EXPECT_EQ(kind, Tvl_SimplePropsList::Real);
    EXPECT_EQ(value, L"1.25");

    // Another kind or a missing name: false and a cleared out value.
    Tvl_String text = L"stale";
    int i = 9;
    bool b = true;
    double d = 9;
    EXPECT_FALSE(list.getText(L"first", text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(list.getInt(L"first", i));
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(list.getBool(L"missing", b));
    EXPECT_FALSE(b);
    EXPECT_FALSE(list.getReal(L"second", d));
    EXPECT_EQ(d, 0.0);
    EXPECT_FALSE(list.getLong(L"second", i)); // kind 2 is not kind 3

    EXPECT_TRUE(list.remove(L"First"));
    EXPECT_FALSE(list.remove(L"first"));
    EXPECT_EQ(list.length(), 1);
}

TEST(SimplePropsList, IndexedListsReadUpToTheFirstGapAndShrinkWhenRewritten) {
    Tvl_SimplePropsList list;
    Tvl_StringArray three;
    three.append(L"a");
    three.append(L"");
    three.append(L"c");
    ASSERT_TRUE(list.setTextList(L"varNames", three));
    Tvl_StringArray read;
    list.getTextList(L"varNames", read);
    EXPECT_EQ(read, three);

    Tvl_StringArray one;
    one.append(L"z");
    list.setTextList(L"varNames", one);
    list.getTextList(L"varNames", read);
    EXPECT_EQ(read, one); // the old entries 1 and 2 do not come back
    EXPECT_EQ(list.find(L"varNames2"), -1);

    // A gap or an entry of another kind ends the list.
    list.setText(L"v0", L"x");
    list.setInt(L"v1", 1);
    list.setText(L"v2", L"y");
    list.getTextList(L"v", read);
    EXPECT_EQ(read.length(), 1);
}

TEST(SimplePropsList, DamagedTextGivesFalseAndAnEmptyList) {
    Tvl_SimplePropsList list;
    list.setInt(L"keep", 1);
    EXPECT_FALSE(list.fromString(L""));
    EXPECT_EQ(list.length(), 0);

    list.setInt(L"keep", 1);
    EXPECT_FALSE(list.fromString(Tvl_String(L"a" + S + L"x" + S + L"5" + S))); // kind not a number
    EXPECT_EQ(list.length(), 0);
    EXPECT_FALSE(list.fromString(Tvl_String(L"a" + S + L"7" + S + L"5" + S))); // unknown kind
    EXPECT_FALSE(list.fromString(Tvl_String(S + L"2" + S + L"5" + S)));        // empty name
    EXPECT_EQ(list.length(), 0);
    // Text without any separator holds no complete entry: an empty list, not a fault.
    EXPECT_TRUE(list.fromString(L"just text"));
    EXPECT_EQ(list.length(), 0);
}

TEST_F(PropsListFiles, FileUsesTheSeparatorByteAndWindowsCodePage) {
    Tvl_SimplePropsList list;
    list.setText(L"caf\u00e9", L"\u20ac 5");
    list.setReal(L"m", 0.126);
    ASSERT_TRUE(list.writeToFile(path("h.kwh")));
    EXPECT_EQ(readBytes("h.kwh"), "caf\xe9\xa4"
                                  "4\xa4\x80 5\xa4m\xa4"
                                  "1\xa4"
                                  "0.13\xa4");

    Tvl_SimplePropsList back;
    ASSERT_TRUE(back.readFromFile(path("h.kwh")));
    Tvl_String t;
    double m = 0;
    EXPECT_TRUE(back.getText(L"CAF\u00c9", t));
    EXPECT_EQ(t, L"\u20ac 5");
    EXPECT_TRUE(back.getReal(L"m", m));
    EXPECT_DOUBLE_EQ(m, 0.13); // reals are stored with two decimals
}

TEST_F(PropsListFiles, UnreadableDamagedOrHugeFilesGiveFalseAndAnEmptyList) {
    Tvl_SimplePropsList list;
    auto reset = [&] { list.setInt(L"old", 1); };
    reset();
    EXPECT_FALSE(list.readFromFile(L""));
    EXPECT_EQ(list.length(), 0);
    reset();
    EXPECT_FALSE(list.readFromFile(path("missing.kwh")));
    EXPECT_EQ(list.length(), 0);

    writeBytes("empty.kwh", "");
    reset();
    EXPECT_FALSE(list.readFromFile(path("empty.kwh")));
    EXPECT_EQ(list.length(), 0);
    writeBytes("one.kwh", "a\xa4"
                          "2\xa4"
                          "7\xa4"); // the smallest list there is
    EXPECT_TRUE(list.readFromFile(path("one.kwh")));
    EXPECT_EQ(list.length(), 1);

    writeBytes("binary.kwh", std::string("\x00\xa4\x01\xa4\xff\xa4", 6));
    reset();
    EXPECT_FALSE(list.readFromFile(path("binary.kwh")));
    EXPECT_EQ(list.length(), 0);

    writeBytes("kind.kwh", "a\xa4zz\xa4"
                           "1\xa4");
    reset();
    EXPECT_FALSE(list.readFromFile(path("kind.kwh")));
    EXPECT_EQ(list.length(), 0);

    // A truncated file keeps its complete entries.
    writeBytes("cut.kwh", "a\xa4"
                          "2\xa4"
                          "7\xa4"
                          "b\xa4"
                          "4");
    EXPECT_TRUE(list.readFromFile(path("cut.kwh")));
    EXPECT_EQ(list.length(), 1);

    {
        std::ofstream big(m_dir / "big.kwh", std::ios::binary);
        big.seekp(Tvl_SimplePropsList::kMaxBytes + 1);
        big.put('x');
    }
    reset();
    EXPECT_FALSE(list.readFromFile(path("big.kwh")));
    EXPECT_EQ(list.length(), 0);
    list.setInt(L"usable", 3); // the object stays usable
    EXPECT_EQ(list.length(), 1);
}

TEST_F(PropsListFiles, FailedWriteLeavesTheOldFile) {
    Tvl_SimplePropsList list;
    list.setInt(L"a", 1);
    ASSERT_TRUE(list.writeToFile(path("keep.kwh")));
    const std::string before = readBytes("keep.kwh");
    EXPECT_FALSE(list.writeToFile(L""));
    EXPECT_FALSE(list.writeToFile(path("no-such-folder/x.kwh")));
    // The target is a folder: the write fails and the folder is untouched.
    std::filesystem::create_directories(m_dir / "dir.kwh");
    EXPECT_FALSE(list.writeToFile(path("dir.kwh")));
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "dir.kwh"));
    EXPECT_EQ(readBytes("keep.kwh"), before);
}

TEST(DocumentProperties, MissingKeysGiveTheDefaults) {
    bool equal = false;
    const kw::DocumentProperties p = kw::readDocumentProperties(Tvl_String(L""), equal);
    EXPECT_EQ(p, kw::DocumentProperties{});
    EXPECT_TRUE(equal);

    // Keys of another kind count as missing.
    Tvl_SimplePropsList list;
    list.setText(L"marginLeft", L"12");
    list.setInt(L"border", 1);
    const kw::DocumentProperties q = kw::readDocumentProperties(list, equal);
    EXPECT_EQ(q.marginLeft, 0);
    EXPECT_TRUE(q.border);
}

TEST(DocumentProperties, WrittenTagReadsBackAndKeepsForeignEntries) {
    kw::DocumentProperties p;
    p.headerFile = L"c:\\tvl\\headers\\a.kwh";
    p.marginLeft = 10;
    p.marginBottom = 25;
    p.smartPrint = true;
    p.cellSeperators = true;
    p.varNames.append(L"project");
    p.varValues.append(L"Hall 3");

    Tvl_SimplePropsList old;
    old.setText(L"ownerNote", L"kept");
    old.setText(L"varNames1", L"stale");
    const Tvl_String tag = kw::rewriteCornerTag(old.toString(), p);

    bool equal = false;
    EXPECT_EQ(kw::readDocumentProperties(tag, equal), p);
    EXPECT_TRUE(equal);
    Tvl_SimplePropsList back;
    ASSERT_TRUE(back.fromString(tag));
    Tvl_String note;
    EXPECT_TRUE(back.getText(L"ownerNote", note));
    EXPECT_EQ(note, L"kept");
    EXPECT_EQ(back.find(L"varNames1"), -1);
    int kind = 0;
    Tvl_String name, value;
    back.getEntry(back.find(L"smartPrint"), name, kind, value);
    EXPECT_EQ(kind, Tvl_SimplePropsList::Int);
}

TEST(DocumentProperties, UnequalVariableListsAreCutToTheShorter) {
    Tvl_SimplePropsList list;
    Tvl_StringArray names, values;
    names.append(L"a");
    names.append(L"b");
    names.append(L"c");
    values.append(L"1");
    list.setTextList(L"varNames", names);
    list.setTextList(L"varValues", values);
    bool equal = true;
    const kw::DocumentProperties p = kw::readDocumentProperties(list, equal);
    EXPECT_FALSE(equal);
    EXPECT_EQ(p.varNames.length(), 1);
    EXPECT_EQ(p.varNames[0], L"a");
    EXPECT_EQ(p.varValues.length(), 1);
}
