#pragma once
// Reads the parameter base file: a gzip member (or bare raw deflate data)
// whose content is an array of fixed-size records. The gzip framing is parsed
// here; zlib only inflates.

#include "params/ParameterRecord.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include <zlib.h>

class ParameterBaseReader {
public:
    using RecordBytes = std::array<std::uint8_t, kParameterRecordSize>;

    explicit ParameterBaseReader(const std::string& path);
    ~ParameterBaseReader();
    ParameterBaseReader(const ParameterBaseReader&) = delete;
    ParameterBaseReader& operator=(const ParameterBaseReader&) = delete;

    // Records announced by the trailer's ISIZE; 0 for a file that cannot be
    // opened or is shorter than the trailer.
    std::uint32_t RecordCount() const { return recordCount_; }

    // The next whole record; false at the end of the data or when the data
    // are damaged (nothing more is read then).
    bool ReadRecord(RecordBytes& record);

    // crc32 over everything inflated so far.
    uLong Crc() const { return crc_; }

private:
    static constexpr std::size_t kBlockSize = 4096;

    bool Refill();
    bool NextByte(std::uint8_t& byte);
    bool Skip(std::size_t count);
    bool SkipZeroTerminated();
    bool SkipHeader();
    bool Inflate(RecordBytes& record);

    std::FILE* file_ = nullptr;
    std::uint32_t recordCount_ = 0;
    std::array<std::uint8_t, kBlockSize> input_{};
    z_stream stream_{};
    bool inflating_ = false;
    bool failed_ = false;
    uLong crc_ = 0;
};
