#include "operations/hash_compare.h"

#include <gtest/gtest.h>

namespace {

constexpr char md5[] = "900150983cd24fb0d6963f7d28e17f72";
constexpr char sha1[] = "a9993e36 4706816a ba3e2571 7850c26c 9cd0d89d";

struct Case {
    const char*    calculated;
    const char*    expected;
    CompareVerdict verdict;
    const char*    why = nullptr; // in the mismatch's explanation; "" for none
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
    {md5, "900150983cd24fb0d6963f7d28e17f73", CompareVerdict::mismatch, ""},
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89e", CompareVerdict::mismatch, ""},
    {md5, "900150983cd24fb0d6963f7d28e17f7", CompareVerdict::mismatch, "too few"},
    {md5, "900150983cd24fb0d6963f7d28e17f720", CompareVerdict::mismatch, "too few"},
    {md5, "0900150983cd24fb0d6963f7d28e17f72", CompareVerdict::mismatch, "too few"},
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89", CompareVerdict::mismatch, "too few"},
    {sha1, md5, CompareVerdict::mismatch, "an MD5 digest"},
    {md5, sha1, CompareVerdict::mismatch, "a SHA-1 digest"},
    // A SHA-256 digest, and a line of a checksum file, cut to the field's 44.
    {sha1, "ba7816bf8f01cfea414140de5dae2223b00361a39617", CompareVerdict::mismatch, "SHA-256"},
    {md5, "900150983cd24fb0d6963f7d28e17f72  abc.tar.gz", CompareVerdict::mismatch, "no digest"},
    {md5, "900150983cd24fb0d6963f7d28e17f72-", CompareVerdict::mismatch, "no digest"},
    {md5, "900150983cd24fb0d6963f7d28e17f72\n", CompareVerdict::mismatch, "no digest"},
};

TEST(CompareHashTexts, VerdictTable) {
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + std::string(c.calculated) + "\" vs \"" + c.expected + '"');
        const CompareOutcome outcome = compare_hash_texts(c.calculated, c.expected);
        EXPECT_EQ(outcome.verdict, c.verdict);
        const std::string message = outcome.message;
        EXPECT_TRUE(c.why == nullptr || (*c.why ? message.rfind("HASH NOT EQUAL\n\n", 0) == 0 &&
                                                      message.find(c.why) != std::string::npos
                                                : message == "HASH NOT EQUAL"))
            << message;
    }
}

} // namespace
