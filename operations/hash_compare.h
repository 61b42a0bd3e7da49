// What the Compare Hash button answers for a calculated and an expected
// digest text: the message, its caption, the kind of box and where the
// focus goes afterwards. A mismatch also says why when the expected text
// shows it: a digest of another kind, or no digest at all. Knows no window;
// the caller shows the outcome.
#pragma once

enum class CompareVerdict { no_expected_text, no_calculated_hash, match, mismatch };
enum class MessageKind { information, plain };
enum class FocusTarget { unchanged, expected_hash, select_file };

struct CompareOutcome {
    CompareVerdict verdict;
    const char*    message;
    const char*    caption;
    MessageKind    kind;
    FocusTarget    focus;
};

CompareOutcome compare_hash_texts(const char* calculated, const char* expected);
