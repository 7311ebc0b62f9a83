#include "core/Tvl_PropertiesList.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>

namespace {

Tvl_PropertiesList sampleList() {
    Tvl_PropertiesList p;
    p.setProperty(L"nrOfControls", 3);
    p.setProperty(L"type0", 7);
    p.setProperty(L"topLeftX12", 0.1);
    p.setProperty(L"bottomRightY12", 1.0 / 3.0);
    p.setProperty(L"tiny", DBL_MIN / 4); // subnormal
    p.setProperty(L"huge", -DBL_MAX);
    p.setProperty(L"negZero", -0.0);
    p.setProperty(L"minInt", std::numeric_limits<int>::min());
    p.setProperty(L"caption0", L"a;b \"quoted\" C:\\path\\ ");
    p.setProperty(L"empty", L"");
    p.setProperty(L"  blanks  ", L"  lead and trail  ");
    p.setProperty(L"lines", L"one\ntwo\r\nthree\ttab\\n literal");
    p.setProperty(L"intl", L"Größe €, ☃, 𝄞, 日本");
    p.setProperty(L"odd", Tvl_String(std::wstring{L'a', wchar_t(0xD800), wchar_t(1), wchar_t(0x7F),
                                                  wchar_t(0x110000), L'z'}));
    p.setProperty(L"ké\\y#", L"=value=with=equals");
    return p;
}

Tvl_String pathIn(const std::filesystem::path& dir, const char* name) {
    return productForm(dir / name);
}

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace

TEST(TvlPropertiesList, WriteThenReadGivesIdenticalValues) {
    auto dir = scratchDir("props-roundtrip");
    Tvl_PropertiesList p = sampleList();
    ASSERT_EQ(p.writeToFile(pathIn(dir, "design.txt")), Acad::eOk);

    Tvl_PropertiesList q;
    ASSERT_EQ(q.readFromFile(pathIn(dir, "design.txt")), Acad::eOk);
    EXPECT_TRUE(q == p);
    EXPECT_EQ(q.names(), p.names()); // insertion order kept

    double neg = 1;
    ASSERT_EQ(q.getProperty(L"negZero", neg), Acad::eOk);
    EXPECT_TRUE(std::signbit(neg));

    // Random doubles survive bit for bit.
    std::mt19937_64 rng(42);
    Tvl_PropertiesList r;
    std::vector<double> values;
    for (int i = 0; i < 2000; ++i) {
        std::uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isnan(d))
            d = 0.5;
        values.push_back(d);
        r.setProperty(Tvl_String(L"v") + Tvl_String(i), d);
    }
    Tvl_PropertiesList back;
    ASSERT_EQ(back.readFromText(r.writeToText()), Acad::eOk);
    for (int i = 0; i < 2000; ++i) {
        double d = 0;
        ASSERT_EQ(back.getProperty(Tvl_String(L"v") + Tvl_String(i), d), Acad::eOk);
        EXPECT_EQ(std::memcmp(&d, &values[static_cast<size_t>(i)], sizeof d), 0) << i;
    }
}

TEST(TvlPropertiesList, TypedAccessLeavesOutValueUntouchedOnMismatch) {
    Tvl_PropertiesList p = sampleList();
    int n = -1;
    double d = -1;
    Tvl_String s(L"default");
    EXPECT_EQ(p.getProperty(L"nrOfControls", n), Acad::eOk);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(p.getProperty(L"nrOfControls", d), CoreStatus::eWrongDataType);
    EXPECT_EQ(p.getProperty(L"NROFCONTROLS", n), Acad::eKeyNotFound); // names are case-sensitive
    EXPECT_EQ(p.getProperty(L"missing", s), Acad::eKeyNotFound);
    EXPECT_EQ(d, -1);
    EXPECT_EQ(s, L"default");

    // Setting replaces in place, also with another type.
    EXPECT_EQ(p.setProperty(L"type0", L"text now"), Acad::eOk);
    EXPECT_EQ(p.names()[1], L"type0");
    EXPECT_EQ(p.getProperty(L"type0", s), Acad::eOk);
    EXPECT_EQ(s, L"text now");
    EXPECT_EQ(p.setProperty(L"", 1), Acad::eInvalidInput);
    EXPECT_EQ(p.setProperty(L"a=b", 1), Acad::eInvalidInput);
    EXPECT_EQ(p.setProperty(L"a\nb", 1), Acad::eInvalidInput);
    EXPECT_EQ(p.removeProperty(L"type0"), Acad::eOk);
    EXPECT_FALSE(p.hasProperty(L"type0"));
    EXPECT_EQ(p.getProperty(L"topLeftX12", d), Acad::eOk); // index still right after removal
    EXPECT_EQ(d, 0.1);
}

TEST(TvlPropertiesList, DamagedContentIsRefusedAndKeepsTheList) {
    const std::string good = Tvl_PropertiesList(sampleList()).writeToText();
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"foreign header", "TVLPROPERTIES 2\nEND 0\n"},
        {"no end line", "TVLPROPERTIES 1\ni a=1\n"},
        {"wrong count", "TVLPROPERTIES 1\ni a=1\nEND 2\n"},
        {"text after end", "TVLPROPERTIES 1\nEND 0\nx\n"},
        {"unknown type", "TVLPROPERTIES 1\nx a=1\nEND 1\n"},
        {"no equals", "TVLPROPERTIES 1\ni a\nEND 1\n"},
        {"bad integer", "TVLPROPERTIES 1\ni a=1.5\nEND 1\n"},
        {"integer overflow", "TVLPROPERTIES 1\ni a=2147483648\nEND 1\n"},
        {"bad real", "TVLPROPERTIES 1\nr a=1,5\nEND 1\n"},
        {"empty real", "TVLPROPERTIES 1\nr a=\nEND 1\n"},
        {"bad escape", "TVLPROPERTIES 1\ns a=\\q\nEND 1\n"},
        {"open escape", "TVLPROPERTIES 1\ns a=\\u{41\nEND 1\n"},
        {"duplicate name", "TVLPROPERTIES 1\ni a=1\ni a=2\nEND 2\n"},
        {"invalid utf-8", "TVLPROPERTIES 1\ns a=\xC3\x28\nEND 1\n"},
        {"nul byte", std::string("TVLPROPERTIES 1\ns a=\0\nEND 1\n", 28)},
        {"missing last newline", "TVLPROPERTIES 1\nEND 0"},
    };
    for (const Case& c : cases) {
        Tvl_PropertiesList p;
        p.setProperty(L"kept", 1);
        EXPECT_EQ(p.readFromText(c.bytes), CoreStatus::eBadFileFormat) << c.what;
        int kept = 0;
        EXPECT_EQ(p.getProperty(L"kept", kept), Acad::eOk) << c.what;
        EXPECT_EQ(p.length(), 1) << c.what;
    }

    // Every truncation of a good file is noticed.
    for (size_t len = 0; len < good.size(); ++len) {
        Tvl_PropertiesList p;
        ASSERT_EQ(p.readFromText(good.substr(0, len)), CoreStatus::eBadFileFormat) << len;
    }
    // Flipped bits never crash; whatever is accepted is a consistent list.
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        std::string bad = good;
        bad[rng() % bad.size()] ^= static_cast<char>(1 << (rng() % 8));
        Tvl_PropertiesList p;
        if (p.readFromText(bad) == Acad::eOk) {
            EXPECT_EQ(p.names().length(), p.length());
        }
    }
    // Comments, blank lines, CR LF line ends and a byte-order mark are accepted.
    Tvl_PropertiesList p;
    EXPECT_EQ(p.readFromText("\xEF\xBB\xBFTVLPROPERTIES 1\r\n# note\r\n\r\ni a=1\r\nEND 1\r\n"),
              Acad::eOk);
}

TEST(TvlPropertiesList, FileProblemsGiveTheirStatus) {
    auto dir = scratchDir("props-files");
    Tvl_PropertiesList p = sampleList();
    EXPECT_EQ(p.readFromFile(pathIn(dir, "missing.txt")), CoreStatus::eFileNotFound);
    EXPECT_EQ(p.readFromFile(L""), CoreStatus::eFileNotFound);
    EXPECT_EQ(p.readFromFile(productForm(dir)), CoreStatus::eFileAccessErr); // a folder

    writeBytes(dir / "binary.txt", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_EQ(p.readFromFile(pathIn(dir, "binary.txt")), CoreStatus::eBadFileFormat);

    {
        std::ofstream big(dir / "huge.txt", std::ios::binary);
        big << "TVLPROPERTIES 1\n";
    }
    std::filesystem::resize_file(dir / "huge.txt", Tvl_PropertiesList::kMaxFileBytes + 1); // sparse
    EXPECT_EQ(p.readFromFile(pathIn(dir, "huge.txt")), CoreStatus::eFileTooLarge);
    EXPECT_TRUE(p == sampleList()); // nothing of the failures reached the list

    // A failed save leaves the old file as it was.
    ASSERT_EQ(p.writeToFile(pathIn(dir, "keep.txt")), Acad::eOk);
    std::filesystem::create_directory(dir / "ro");
    EXPECT_EQ(p.writeToFile(productForm(dir / "no" / "such" / "folder.txt")),
              CoreStatus::eFileAccessErr);
    EXPECT_EQ(p.writeToFile(productForm(dir / "ro")),
              CoreStatus::eFileAccessErr); // a folder in the way
    EXPECT_TRUE(std::filesystem::is_directory(dir / "ro"));
    Tvl_PropertiesList q;
    EXPECT_EQ(q.readFromFile(pathIn(dir, "keep.txt")), Acad::eOk);
    EXPECT_TRUE(q == p);
    // No temporary files are left behind.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 3); // binary, huge, keep
}
