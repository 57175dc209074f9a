// The bridge's standard input and output as raw bytes (no text-mode line
// ends on Windows), for the serving loop.
#pragma once

#include <cstddef>
#include <string>

namespace tw {

// Fills `buffer` with exactly `size` bytes; false at the end of input.
bool ReadStandardInput(char* buffer, size_t size);
// Writes all of `bytes` and flushes; false when nobody reads any more.
bool WriteStandardOutput(const std::string& bytes);

}  // namespace tw
