#include "params/ParameterBaseReader.h"

namespace {

constexpr std::uint8_t kMagic1 = 0x1F;
constexpr std::uint8_t kMagic2 = 0x8B;
constexpr std::uint8_t kMethodDeflate = 8;
constexpr std::uint8_t kFlagHcrc = 0x02;
constexpr std::uint8_t kFlagExtra = 0x04;
constexpr std::uint8_t kFlagName = 0x08;
constexpr std::uint8_t kFlagComment = 0x10;
constexpr std::uint8_t kFlagsReserved = 0xE0;
// Time (4), extra flags (1), operating system (1).
constexpr std::size_t kFixedHeaderTail = 6;

std::uint32_t ReadIsize(std::FILE* file) {
    std::uint8_t tail[4];
    if (std::fseek(file, -4, SEEK_END) != 0 || std::fread(tail, 1, 4, file) != 4)
        return 0;
    return tail[0] | (tail[1] << 8) | (tail[2] << 16) | (static_cast<std::uint32_t>(tail[3]) << 24);
}

} // namespace

ParameterBaseReader::ParameterBaseReader(const std::string& path) {
    crc_ = crc32(0L, Z_NULL, 0);
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        failed_ = true;
        return;
    }
    recordCount_ = ReadIsize(file_) / kParameterRecordSize;
    std::rewind(file_);
    if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) {
        failed_ = true;
        return;
    }
    inflating_ = true;
    failed_ = !SkipHeader();
}

ParameterBaseReader::~ParameterBaseReader() {
    if (inflating_)
        inflateEnd(&stream_);
    if (file_)
        std::fclose(file_);
}

bool ParameterBaseReader::Refill() {
    const std::size_t got = std::fread(input_.data(), 1, input_.size(), file_);
    stream_.next_in = input_.data();
    stream_.avail_in = static_cast<uInt>(got);
    return got > 0;
}

bool ParameterBaseReader::NextByte(std::uint8_t& byte) {
    if (stream_.avail_in == 0 && !Refill())
        return false;
    byte = *stream_.next_in++;
    --stream_.avail_in;
    return true;
}

bool ParameterBaseReader::Skip(std::size_t count) {
    std::uint8_t byte = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!NextByte(byte))
            return false;
    }
    return true;
}

bool ParameterBaseReader::SkipZeroTerminated() {
    std::uint8_t byte = 1;
    while (byte != 0) {
        if (!NextByte(byte))
            return false;
    }
    return true;
}

// False when the data behind the header cannot be inflated.
bool ParameterBaseReader::SkipHeader() {
    std::uint8_t magic1 = 0, magic2 = 0, method = 0, flags = 0;
    if (!NextByte(magic1))
        return false;
    const bool second = NextByte(magic2);
    if (!second || magic1 != kMagic1 || magic2 != kMagic2) {
        // Bare raw deflate: the first block holds both bytes, take them back.
        stream_.next_in = input_.data();
        stream_.avail_in += second ? 2 : 1;
        return true;
    }
    if (!NextByte(method) || !NextByte(flags) || method != kMethodDeflate ||
        (flags & kFlagsReserved) != 0 || !Skip(kFixedHeaderTail))
        return false;
    if (flags & kFlagExtra) {
        std::uint8_t low = 0, high = 0;
        if (!NextByte(low) || !NextByte(high) || !Skip(low | (high << 8)))
            return false;
    }
    if ((flags & kFlagName) && !SkipZeroTerminated())
        return false;
    if ((flags & kFlagComment) && !SkipZeroTerminated())
        return false;
    return !(flags & kFlagHcrc) || Skip(2);
}

bool ParameterBaseReader::ReadRecord(RecordBytes& record) {
    if (failed_ || !Inflate(record)) {
        failed_ = true;
        return false;
    }
    crc_ = crc32(crc_, record.data(), static_cast<uInt>(record.size()));
    return true;
}

bool ParameterBaseReader::Inflate(RecordBytes& record) {
    stream_.next_out = record.data();
    stream_.avail_out = static_cast<uInt>(record.size());
    while (stream_.avail_out > 0) {
        if (stream_.avail_in == 0 && !Refill())
            return false;
        const int result = inflate(&stream_, Z_SYNC_FLUSH);
        if (result == Z_STREAM_END)
            return stream_.avail_out == 0;
        if (result != Z_OK)
            return false;
    }
    return true;
}
