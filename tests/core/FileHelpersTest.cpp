#include "core/FileHelpers.h"

#include "CaptureOutput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace

TEST(FileHelpers, LineFiles) {
    auto dir = scratchDir("line-files");
    Tvl_String file = productForm(dir / "stock.shp");
    Tvl_StringArray lines{L"HEA100\u00BF6000", L"", L"  blanks  ", L"Größe"};
    ASSERT_TRUE(ObjectExportWriteFile(file, lines));
    Tvl_StringArray back{L"stale"};
    ASSERT_TRUE(ObjectExportReadFile(file, back));
    EXPECT_EQ(back, lines);

    ASSERT_TRUE(ObjectExportWriteFile(file, Tvl_StringArray()));
    EXPECT_EQ(readBytes(dir / "stock.shp"), "");
    EXPECT_TRUE(ObjectExportReadFile(file, back));
    EXPECT_TRUE(back.isEmpty());

    // CR LF, no final line end, and 8-bit text of older installations.
    writeBytes(dir / "old.txt", "a\r\nb\xE9\x80\r\nlast");
    ASSERT_TRUE(ObjectExportReadFile(productForm(dir / "old.txt"), back));
    EXPECT_EQ(back, (Tvl_StringArray{L"a", L"b\u00E9\u20AC", L"last"}));

    EXPECT_FALSE(ObjectExportReadFile(productForm(dir / "missing.txt"), back));
    EXPECT_TRUE(back.isEmpty());
}

TEST(FileHelpers, FoldersFindAndDelete) {
    auto dir = scratchDir("folders");
    Tvl_String sub = productForm(dir / "Cutting Stock") + L"\\";
    EXPECT_TRUE(ObjectExportCreateDirectory(sub));
    EXPECT_TRUE(ObjectExportCreateDirectory(sub)); // no harm when it exists
    for (const char* n : {"Stock2.shp", "Stock10.SHP", "buy.buy", "Stock1.shp.bak"})
        writeBytes(dir / "Cutting Stock" / n, "x");
    Tvl_StringArray names;
    ASSERT_TRUE(ObjectExportFindFiles(sub, L"Stock*.shp", names));
    EXPECT_EQ(names, (Tvl_StringArray{L"Stock10.SHP", L"Stock2.shp"}));
    EXPECT_FALSE(ObjectExportFindFiles(sub + L"nope\\", L"*", names));
    EXPECT_TRUE(names.isEmpty());

    std::time_t t = 0;
    EXPECT_TRUE(ObjectExportGetFileTime(sub + L"buy.buy", t));
    EXPECT_GT(t, 1600000000);
    EXPECT_FALSE(ObjectExportGetFileTime(sub + L"none", t));

    EXPECT_TRUE(deleteFile(sub + L"buy.buy"));
    EXPECT_FALSE(deleteFile(sub + L"buy.buy"));
    EXPECT_FALSE(deleteFile(sub)); // a folder is not a file
}

TEST(FileHelpers, PathText) {
    EXPECT_EQ(getPath(L"c:\\lib\\prof\\HEA.pr"), L"c:\\lib\\prof\\");
    EXPECT_EQ(getPath(L"HEA.pr"), L"");
    EXPECT_EQ(getFileName(L"c:\\lib/prof\\HEA.pr"), L"HEA.pr");
    EXPECT_EQ(getFileName(L"c:\\lib\\"), L"");
    EXPECT_EQ(getExtension(L"a\\b.c\\file.tar.gz"), L".gz");
    EXPECT_EQ(getExtension(L"a.b\\file"), L"");
    EXPECT_EQ(removeExtension(L"a.b\\file"), L"a.b\\file");
    EXPECT_EQ(removeExtension(L"x\\Stock.dwg"), L"x\\Stock");
    EXPECT_EQ(changeExtension(L"x\\pic.dwg", L".bmp"), L"x\\pic.bmp");
    EXPECT_EQ(changeExtension(L"x\\design", L"txt"), L"x\\design.txt");
    EXPECT_EQ(changeExtension(L"x\\design.txt", L""), L"x\\design");
}

TEST(FileHelpers, RoundSortAndSortedInsert) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(2.5, 1.0), 3.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-2.5, 1.0), -3.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(2.49, 1.0), 2.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 5.0), 5.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 0.0), 7.3);

    Tvl_Array<double> keys{3, 1, 2, 1};
    Tvl_Array<int> items{30, 10, 20, 11};
    ASSERT_TRUE(ObjectExportSort(keys, items));
    EXPECT_EQ(items, (Tvl_Array<int>{10, 11, 20, 30})); // stable for equal keys
    EXPECT_EQ(keys, (Tvl_Array<double>{1, 1, 2, 3}));

    Tvl_Array<int> shorter{1};
    CaptureOutput out;
    EXPECT_FALSE(ObjectExportSort(keys, shorter));
    EXPECT_EQ(out.text(), L"*Error* Array size mismatch.\n");
    EXPECT_EQ(shorter, (Tvl_Array<int>{1}));

    Tvl_StringArray sorted;
    for (const wchar_t* n : {L"HEA 200", L"100", L"20", L"hea 100", L"9.5", L"IPE"})
        ObjectExportAddToSorted(sorted, n);
    EXPECT_EQ(sorted, (Tvl_StringArray{L"9.5", L"20", L"100", L"hea 100", L"HEA 200", L"IPE"}));
    int index = -1;
    EXPECT_TRUE(sorted.find(L"20", index));
    EXPECT_EQ(index, 1);
}

TEST(FileHelpers, TableFilesRoundTripExactly) {
    auto dir = scratchDir("tables");
    Tvl_String file = productForm(dir / "HEA.pr");
    Tvl_Array<Tvl_StringArray> rows;
    rows.append(Tvl_StringArray{L"I"});
    rows.append(Tvl_StringArray{L"Name", L"h", L"b, wide", L""});
    rows.append(Tvl_StringArray{L"HEA 100", L"96", L"a\tb\\c\nd", L"  "});
    rows.append(Tvl_StringArray{L""});
    rows.append(Tvl_StringArray{});
    rows.append(Tvl_StringArray{L"\\-"});
    ASSERT_TRUE(writeFile(file, rows));

    Tvl_String typeName;
    Tvl_Array<Tvl_StringArray> back;
    ASSERT_TRUE(readFile(file, typeName, back));
    EXPECT_EQ(typeName, L"HEA");
    EXPECT_EQ(back, rows);

    writeBytes(dir / "bad.pr", "I\nx\\q\n");
    EXPECT_FALSE(readFile(productForm(dir / "bad.pr"), typeName, back));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_FALSE(readFile(productForm(dir / "none.pr"), typeName, back));
}

TEST(FileHelpers, TableFileFirstFieldStartingWithAByteOrderMarkSurvives) {
    // Found by the values_table fuzz target: readers skip a mark at the start of the file.
    auto dir = scratchDir("tables-bom");
    Tvl_String file = productForm(dir / "BOM.pr");
    Tvl_Array<Tvl_StringArray> rows;
    rows.append(Tvl_StringArray{L"\uFEFFI", L"x"});
    rows.append(Tvl_StringArray{L"\uFEFF"});
    ASSERT_TRUE(writeFile(file, rows));
    Tvl_String typeName;
    Tvl_Array<Tvl_StringArray> back;
    ASSERT_TRUE(readFile(file, typeName, back));
    EXPECT_EQ(back, rows);
}
