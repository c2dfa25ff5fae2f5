#include "path_escape.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;
using twinpics::walk::escapePath;
using twinpics::walk::pairLine;

struct Case {
    const char* what;
    std::string path; // std::string, so that a NUL byte is part of it
    std::string line;
};

// Names the case in test names and messages instead of dumping its bytes.
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.what;
}

class EscapePath : public testing::TestWithParam<Case> {};

TEST_P(EscapePath, WritesTheBytesAsTheTableSays) {
    EXPECT_EQ(escapePath(GetParam().path), GetParam().line) << GetParam().what;
}

const Case cases[] = {
    {"empty", "", ""},
    {"plain", "holiday/beach.jpg", "holiday/beach.jpg"},
    {"space, percent, leading dash", "-a %d b.jpg", "-a %d b.jpg"},
    {"backslash", "a\\b.jpg", "a\\\\b.jpg"},
    {"an escape's look-alike stays apart", "\\t", "\\\\t"},
    {"tab", "a\tb", "a\\tb"},
    {"newline", "a\nb", "a\\nb"},
    {"carriage return", "a\rb", "a\\x0db"},
    {"NUL", "a\0b"s, "a\\x00b"},
    {"escape", "\x1b[31m", "\\x1b[31m"},
    {"unit separator", "\x1f", "\\x1f"},
    {"DEL", "\x7f", "\\x7f"},
    {"two-byte UTF-8", "caf\xc3\xa9.jpg", "caf\xc3\xa9.jpg"},
    {"three-byte UTF-8", "\xe2\x82\xac", "\xe2\x82\xac"},
    {"four-byte UTF-8", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
    {"highest code point", "\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf"},
    {"noncharacter U+FFFF is text", "\xef\xbf\xbf", "\xef\xbf\xbf"},
    {"line separator U+2028 is text", "\xe2\x80\xa8", "\xe2\x80\xa8"},
    {"no-break space U+00A0 is text", "\xc2\xa0", "\xc2\xa0"},
    {"C1 control NEL", "a\xc2\x85z", "a\\xc2\\x85z"},
    {"first C1 control", "\xc2\x80", "\\xc2\\x80"},
    {"last C1 control", "\xc2\x9f", "\\xc2\\x9f"},
    {"Latin-1 byte", "caf\xe9.jpg", "caf\\xe9.jpg"},
    {"stray continuation byte", "\x80", "\\x80"},
    {"lead byte at the end", "a\xc3", "a\\xc3"},
    {"lead byte before ASCII", "\xc3(", "\\xc3("},
    {"cut-off three-byte form", "\xe2\x82", "\\xe2\\x82"},
    {"cut-off four-byte form", "\xf0\x9f\x98.jpg", "\\xf0\\x9f\\x98.jpg"},
    {"overlong slash C0 AF", "\xc0\xaf", "\\xc0\\xaf"},
    {"overlong C1 BF", "\xc1\xbf", "\\xc1\\xbf"},
    {"overlong three-byte", "\xe0\x80\xaf", "\\xe0\\x80\\xaf"},
    {"overlong four-byte", "\xf0\x80\x80\xaf", "\\xf0\\x80\\x80\\xaf"},
    {"surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
    {"past U+10FFFF", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
    {"F5", "\xf5\x80\x80\x80", "\\xf5\\x80\\x80\\x80"},
    {"FE and FF", "\xfe\xff", "\\xfe\\xff"},
    {"valid text resumes after a bad byte", "\xff\xc3\xa9", "\\xff\xc3\xa9"},
    {"bad byte then tab", "\xff\t", "\\xff\\t"},
};

INSTANTIATE_TEST_SUITE_P(Table, EscapePath, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(PairLine, JoinsBothEscapedPathsByATabAndEndsTheLine) {
    EXPECT_EQ(pairLine("a.jpg", "b/c.jpg"), "a.jpg\tb/c.jpg\n");
    EXPECT_EQ(pairLine("x\ty.jpg", "new\nline.jpg"), "x\\ty.jpg\tnew\\nline.jpg\n");
    EXPECT_EQ(pairLine("caf\xe9.jpg", "\\.jpg"), "caf\\xe9.jpg\t\\\\.jpg\n");
}

TEST(EscapePath, EveryByteValueGivesOneLineWithoutTabOrControl) {
    for (int value = 0; value < 256; ++value) {
        const std::string path(1, static_cast<char>(value));
        const std::string line = escapePath(path);
        for (const char byte : line) {
            const auto unsignedByte = static_cast<unsigned char>(byte);
            EXPECT_FALSE(unsignedByte < 0x20 || unsignedByte >= 0x7f)
                << "byte " << value << " gave " << line;
        }
    }
}

} // namespace
