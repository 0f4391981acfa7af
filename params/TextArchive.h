#pragma once
// Parameters are stored as a run of texts, each a 4-byte little-endian length
// followed by that many bytes.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr int kArchiveOk = 0;         // the text was read
inline constexpr int kArchiveTruncated = -1; // the data end inside a text
inline constexpr const char* kArchiveTruncatedText = "Данные параметров оборваны";

void PutText(std::string& out, std::string_view text);

// Reads the text at pos and moves pos past it. On failure text and pos stay.
int GetText(std::string_view in, std::size_t& pos, std::string& text);
