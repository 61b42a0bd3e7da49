// The records of the generated vector tables.
#pragma once

#include <cstdint>

struct HexVector {
    std::uint32_t length;  // bytes
    const char*   message; // hex, 2 × length digits
    const char*   digest;  // lowercase hex
};

// pattern repeated count times
struct RepeatedVector {
    const char*   pattern;
    std::uint32_t count;
    const char*   digest;
};
