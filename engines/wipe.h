// Zeroes memory that nothing reads again: a finished context still holds the
// tail of the message, and should leave nothing of it behind.
#pragma once

#include <cstddef>

void wipe(void* memory, std::size_t size);
