#include "operations/hash_compare.h"

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
constexpr CompareOutcome mismatch = {CompareVerdict::mismatch, "HASH NOT EQUAL", "Compare hash",
                                     MessageKind::plain, FocusTarget::unchanged};

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

} // namespace

CompareOutcome compare_hash_texts(const char* calculated, const char* expected) {
    // Blanks alone are no text to compare with.
    if (*skip_blanks(expected) == '\0')
        return no_expected_text;
    if (*skip_blanks(calculated) == '\0')
        return no_calculated_hash;
    return same_digest_text(calculated, expected) ? match : mismatch;
}
