#pragma once
// Reading one field of every record of a large list: the records lie hundreds of bytes
// apart, too far for the processor to guess the next read, so each read would wait for
// memory. Asking a few records ahead lets those reads overlap.
#include <cstddef>

namespace lumoscope {

// How many records ahead a loop asks for.
inline constexpr size_t kReadAhead = 16;

// A hint only: nothing is read yet, and nothing waits for it.
inline void ReadAhead(const void* address) {
  __builtin_prefetch(address);
}

}  // namespace lumoscope
