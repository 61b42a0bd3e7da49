#include "operations/hash_compare.h"

#include <gtest/gtest.h>

namespace {

constexpr char md5[] = "900150983cd24fb0d6963f7d28e17f72";
constexpr char sha1[] = "a9993e36 4706816a ba3e2571 7850c26c 9cd0d89d";

struct Case {
    const char*    calculated;
    const char*    expected;
    CompareVerdict verdict;
};

constexpr Case cases[] = {
    // The expected text is asked for first, even when both are empty.
    {"", "", CompareVerdict::no_expected_text},
    {md5, "", CompareVerdict::no_expected_text},
    {md5, " \t ", CompareVerdict::no_expected_text},
    {"", md5, CompareVerdict::no_calculated_hash},
    {md5, md5, CompareVerdict::match},
    {sha1, sha1, CompareVerdict::match},
    // Blanks anywhere and letter case do not count...
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89d", CompareVerdict::match},
    {sha1, "A9993E364706816ABA3E25717850C26C9CD0D89D", CompareVerdict::match},
    {sha1, "\ta9993e36  4706816a ba3e2571 7850c26c 9cd0d89d ", CompareVerdict::match},
    {md5, "900150983CD24FB0D6963F7D28E17F72", CompareVerdict::match},
    {md5, "90015098 3cd24fb0 d6963f7d 28e17f72", CompareVerdict::match},
    // ...but every digit does, and so does the number of digits.
    {md5, "900150983cd24fb0d6963f7d28e17f73", CompareVerdict::mismatch},
    {md5, "900150983cd24fb0d6963f7d28e17f7", CompareVerdict::mismatch},
    {md5, "900150983cd24fb0d6963f7d28e17f720", CompareVerdict::mismatch},
    {md5, "0900150983cd24fb0d6963f7d28e17f72", CompareVerdict::mismatch},
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89", CompareVerdict::mismatch},
    {sha1, md5, CompareVerdict::mismatch},
    {md5, "900150983cd24fb0d6963f7d28e17f72-", CompareVerdict::mismatch},
    {md5, "900150983cd24fb0d6963f7d28e17f72\n", CompareVerdict::mismatch},
};

TEST(CompareHashTexts, VerdictTable) {
    for (const Case& c : cases) {
        EXPECT_EQ(compare_hash_texts(c.calculated, c.expected).verdict, c.verdict)
            << '"' << c.calculated << "\" vs \"" << c.expected << '"';
    }
}

} // namespace
