#include <gtest/gtest.h>

#include "platform/grid/engine/io/Csv.h"

namespace grid::csv {
namespace {

TEST(Csv, ParsesQuotingLineEndsAndEmbeddedBreaks) {
    struct Case {
        const char* text;
        std::vector<Record> want;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"\"x,y\",\"say \"\"hi\"\"\"\r\n", {{"x,y", "say \"hi\""}}},
        {"\"two\r\nlines\",z\r\n", {{"two\r\nlines", "z"}}},
        {",,\r\n", {{"", "", ""}}},
        {"a,\"\"\r\n\r\nb", {{"a", ""}, {""}, {"b"}}},
        {"\xEF\xBB\xBFh\xC3\xA9", {{"h\xC3\xA9"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<Record> got;
        std::string error;
        ASSERT_TRUE(parse(c.text, got, error)) << c.text << ": " << error;
        EXPECT_EQ(got, c.want) << c.text;
    }
}

TEST(Csv, RejectsMalformedQuotesWithTheLine) {
    std::vector<Record> got;
    std::string error;
    EXPECT_FALSE(parse("a\r\n\"open,b\r\nc", got, error));
    EXPECT_EQ(error, "line 2: quoted field not closed");
    EXPECT_FALSE(parse("ok\n\"q\"x,y", got, error));
    EXPECT_EQ(error, "line 2: text after a closing quote");
}

TEST(Csv, FormatQuotesOnlyWhatNeedsItAndParsesBack) {
    Record r{"plain", "with,comma", "with \"quote\"", "line\nbreak", " lead", "", "1.5"};
    std::string line = formatRecord(r);
    EXPECT_EQ(line,
              "plain,\"with,comma\",\"with \"\"quote\"\"\",\"line\nbreak\",\" lead\",,1.5\r\n");
    std::vector<Record> back;
    std::string error;
    ASSERT_TRUE(parse(line, back, error));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], r);
}

TEST(Csv, FirstFieldStartingWithAByteOrderMarkKeepsIt) {
    // Found by the csv fuzz target: the reader drops a mark at the start of the text,
    // so a first field that begins with one must be quoted to survive.
    const Record r{"\xEF\xBB\xBFx", "y"};
    std::string line = formatRecord(r);
    EXPECT_EQ(line, "\"\xEF\xBB\xBFx\",y\r\n");
    std::vector<Record> back;
    std::string error;
    ASSERT_TRUE(parse("\xEF\xBB\xBF" + line, back, error));
    EXPECT_EQ(back, std::vector<Record>{r});
}

} // namespace
} // namespace grid::csv
