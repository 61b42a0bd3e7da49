#include "operations/hash_compare.h"

#include <cstdint>

#include "engines/md5.h"
#include "engines/sha1.h"

namespace {

constexpr CompareOutcome no_expected_text = {
    CompareVerdict::no_expected_text,
    "Please enter a text string to compare\nto the calculated hash value.\n", "Oops",
    MessageKind::information, FocusTarget::expected_hash};
constexpr CompareOutcome no_calculated_hash = {
    CompareVerdict::no_calculated_hash,
    "The Calculated hash field is blank.\nSelect a file to calculate the hash\n then try again",
    "Oops", MessageKind::information, FocusTarget::select_file};
constexpr CompareOutcome match = {CompareVerdict::match, "hash value match OK", "Compare hash",
                                  MessageKind::plain, FocusTarget::unchanged};

// Unexplained, a digest of another kind, or no digest at all, would read as
// a damaged file.
constexpr CompareOutcome mismatch_saying(const char* message) {
    return {CompareVerdict::mismatch, message, "Compare hash", MessageKind::plain,
            FocusTarget::unchanged};
}

constexpr CompareOutcome mismatch = mismatch_saying("HASH NOT EQUAL");
constexpr CompareOutcome foreign_characters =
    mismatch_saying("HASH NOT EQUAL\n\nThe text to compare holds characters\n"
                    "that no digest has: a digest has only\n"
                    "the digits 0 to 9 and the letters a to f.");
constexpr CompareOutcome md5_length =
    mismatch_saying("HASH NOT EQUAL\n\nThe text to compare is as long as an MD5 digest.\n"
                    "Choose MD5, calculate, then compare again.");
constexpr CompareOutcome sha1_length =
    mismatch_saying("HASH NOT EQUAL\n\nThe text to compare is as long as a SHA-1 digest.\n"
                    "Choose SHA1, calculate, then compare again.");
constexpr CompareOutcome too_long =
    mismatch_saying("HASH NOT EQUAL\n\nThe text to compare is longer than any\n"
                    "digest Tamsivel computes (MD5: 32 digits,\n"
                    "SHA-1: 40). It cannot check a SHA-256 digest.");
constexpr CompareOutcome wrong_length =
    mismatch_saying("HASH NOT EQUAL\n\nThe text to compare has too few or too many\n"
                    "digits for a digest (MD5: 32, SHA-1: 40).\n"
                    "Paste the whole digest.");

constexpr std::int32_t md5_digits = 2 * md5_digest_size;
constexpr std::int32_t sha1_digits = 2 * sha1_digest_size;

// A digest from elsewhere is usually the plain 40-digit SHA-1 form, often in
// capitals, while ours has blanks between groups and is lowercase. Both are
// the same digest, so blanks and letter case do not count; every digit does.
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

char fold_case(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

const char* skip_blanks(const char* text) {
    while (is_blank(*text))
        text++;
    return text;
}

bool same_digest_text(const char* left, const char* right) {
    for (;;) {
        left = skip_blanks(left);
        right = skip_blanks(right);
        if (fold_case(*left) != fold_case(*right))
            return false;
        if (*left == '\0')
            return true;
        left++;
        right++;
    }
}

bool is_digit(char c) {
    c = fold_case(c);
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// The digits in text, or -1 when it holds a character that no digest has.
std::int32_t digit_count(const char* text) {
    std::int32_t count = 0;
    for (; *text != '\0'; text++) {
        if (is_digit(*text))
            count++;
        else if (!is_blank(*text))
            return -1;
    }
    return count;
}

// The calculated text tells its own kind by its number of digits.
const CompareOutcome& explain_mismatch(const char* calculated, const char* expected) {
    const std::int32_t digits = digit_count(expected);
    if (digits < 0)
        return foreign_characters;
    if (digits == digit_count(calculated))
        return mismatch;
    if (digits == md5_digits)
        return md5_length;
    if (digits == sha1_digits)
        return sha1_length;
    return digits > sha1_digits ? too_long : wrong_length;
}

} // namespace

CompareOutcome compare_hash_texts(const char* calculated, const char* expected) {
    // Blanks alone are no text to compare with.
    if (*skip_blanks(expected) == '\0')
        return no_expected_text;
    if (*skip_blanks(calculated) == '\0')
        return no_calculated_hash;
    return same_digest_text(calculated, expected) ? match : explain_mismatch(calculated, expected);
}
