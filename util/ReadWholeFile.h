#pragma once
// Reads a file a person named, whole, with a reason of its own for each way
// that fails: no such file, a folder, no right to read it, larger than the
// caller allows, or what the system says.

#include <cstddef>
#include <string>

// 0 with the bytes; -1 with the reason in reason_text (bytes untouched).
int ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                  std::string& reason_text);
