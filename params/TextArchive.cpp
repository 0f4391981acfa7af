#include "params/TextArchive.h"

#include <cstdint>

namespace {
constexpr std::size_t kLengthBytes = 4;
}

void PutText(std::string& out, std::string_view text) {
    const auto length = static_cast<std::uint32_t>(text.size());
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        out += static_cast<char>((length >> (8 * i)) & 0xFF);
    out.append(text);
}

int GetText(std::string_view in, std::size_t& pos, std::string& text) {
    if (pos > in.size() || in.size() - pos < kLengthBytes)
        return kArchiveTruncated;
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        length |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[pos + i])) << (8 * i);
    const std::size_t start = pos + kLengthBytes;
    if (in.size() - start < length)
        return kArchiveTruncated;
    text.assign(in.substr(start, length));
    pos = start + length;
    return kArchiveOk;
}
