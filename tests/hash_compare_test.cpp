#include "operations/hash_compare.h"

#include <gtest/gtest.h>

namespace {

constexpr char md5[] = "900150983cd24fb0d6963f7d28e17f72";
constexpr char sha1[] = "a9993e36 4706816a ba3e2571 7850c26c 9cd0d89d";
// Word for word: a typo in a digest's length would send the user astray.
constexpr char as_md5[] = "HASH NOT EQUAL\n\nThe text to compare is as long as an MD5 digest.\n"
                          "Choose MD5, calculate, then compare again.";
constexpr char as_sha1[] = "HASH NOT EQUAL\n\nThe text to compare is as long as a SHA-1 digest.\n"
                           "Choose SHA1, calculate, then compare again.";
constexpr char too_long[] = "HASH NOT EQUAL\n\nThe text to compare is longer than any\n"
                            "digest Tamsivel computes (MD5: 32 digits,\n"
                            "SHA-1: 40). It cannot check a SHA-256 digest.";
constexpr char too_few[] = "HASH NOT EQUAL\n\nThe text to compare has too few or too many\n"
                           "digits for a digest (MD5: 32, SHA-1: 40).\n"
                           "Paste the whole digest.";
constexpr char no_digest[] = "HASH NOT EQUAL\n\nThe text to compare holds characters\n"
                             "that no digest has: a digest has only\n"
                             "the digits 0 to 9 and the letters a to f.";

struct Case {
    const char*    calculated;
    const char*    expected;
    CompareVerdict verdict;
    const char*    message = nullptr; // a mismatch's, whole
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
    {md5, "900150983cd24fb0d6963f7d28e17f73", CompareVerdict::mismatch, "HASH NOT EQUAL"},
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89e", CompareVerdict::mismatch, "HASH NOT EQUAL"},
    {md5, "900150983cd24fb0d6963f7d28e17f7", CompareVerdict::mismatch, too_few},
    {md5, "900150983cd24fb0d6963f7d28e17f720", CompareVerdict::mismatch, too_few},
    {md5, "0900150983cd24fb0d6963f7d28e17f72", CompareVerdict::mismatch, too_few},
    {sha1, "a9993e364706816aba3e25717850c26c9cd0d89", CompareVerdict::mismatch, too_few},
    {sha1, md5, CompareVerdict::mismatch, as_md5},
    {md5, sha1, CompareVerdict::mismatch, as_sha1},
    // Capitals are digits too.
    {sha1, "900150983CD24FB0D6963F7D28E17F72", CompareVerdict::mismatch, as_md5},
    // A SHA-256 digest, and a line of a checksum file, cut to the field's 44.
    {sha1, "ba7816bf8f01cfea414140de5dae2223b00361a39617", CompareVerdict::mismatch, too_long},
    {md5, "900150983cd24fb0d6963f7d28e17f72  abc.tar.gz", CompareVerdict::mismatch, no_digest},
    {md5, "900150983cd24fb0d6963f7d28e17f72-", CompareVerdict::mismatch, no_digest},
    {md5, "900150983cd24fb0d6963f7d28e17f72\n", CompareVerdict::mismatch, no_digest},
};

TEST(CompareHashTexts, VerdictTable) {
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + std::string(c.calculated) + "\" vs \"" + c.expected + '"');
        const CompareOutcome outcome = compare_hash_texts(c.calculated, c.expected);
        EXPECT_EQ(outcome.verdict, c.verdict);
        if (c.message != nullptr) {
            EXPECT_STREQ(outcome.message, c.message);
        }
    }
}

} // namespace
