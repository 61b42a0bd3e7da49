#include "engines/wipe.h"

#include <cstdint>

// Through a volatile pointer: plain stores to memory that is dead afterwards
// may be dropped, here or, once inlined, in the caller.
void wipe(void* memory, std::size_t size) {
    volatile std::uint8_t* p = static_cast<volatile std::uint8_t*>(memory);
    while (size--)
        *p++ = 0;
}
