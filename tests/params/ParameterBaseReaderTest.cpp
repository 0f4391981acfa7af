#include "params/ParameterBaseReader.h"

#include "tests/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Records whose name is "p<i>" and index i.
std::string Records(int count) {
    std::string plain;
    for (int i = 0; i < count; ++i) {
        ParameterRecord r;
        r.name = "p" + std::to_string(i);
        r.index = i;
        r.caption = "Параметр";
        std::string bytes(kParameterRecordSize, '\0');
        std::string error;
        r.Encode(reinterpret_cast<std::uint8_t*>(bytes.data()), error);
        plain += bytes;
    }
    return plain;
}

// A gzip member with every optional header field.
std::string FullHeaderGzip(const std::string& plain) {
    std::string header = "\x1F\x8B\x08";
    header += static_cast<char>(0x02 | 0x04 | 0x08 | 0x10);
    header += std::string(6, '\0');
    header += std::string("\x03\x00xyz", 5);
    header += std::string("parameters_m\0", 13);
    header += std::string("comment\0", 8);
    header += std::string("\xAA\xBB", 2);
    return header + Deflate(plain, -15) + LittleEndian32(0) +
           LittleEndian32(static_cast<std::uint32_t>(plain.size()));
}

constexpr std::size_t kReadCap = 1000;

struct ReadResult {
    std::uint32_t announced = 0;
    std::vector<std::string> names;
    uLong crc = 0;
};

ReadResult ReadAll(const std::string& bytes) {
    TempDir dir;
    WriteBytes(dir.File("base.zip"), bytes);
    ParameterBaseReader reader(dir.File("base.zip"));
    ReadResult result;
    result.announced = reader.RecordCount();
    ParameterBaseReader::RecordBytes record;
    // The reader must stop on its own, whatever the trailer announces.
    for (std::size_t i = 0; i < kReadCap && reader.ReadRecord(record); ++i)
        result.names.push_back(ParameterRecord::Decode(record.data()).name);
    result.crc = reader.Crc();
    return result;
}

} // namespace

TEST(ParameterBaseReader, ReadsEveryHeaderForm) {
    const std::string plain = Records(3);
    const std::string raw = Deflate(plain, -15) + LittleEndian32(0) + LittleEndian32(3 * 2343);
    const std::string forms[] = {Deflate(plain, 31), FullHeaderGzip(plain), raw};
    for (const std::string& bytes : forms) {
        const ReadResult result = ReadAll(bytes);
        EXPECT_EQ(result.announced, 3u);
        EXPECT_EQ(result.names, (std::vector<std::string>{"p0", "p1", "p2"}));
        EXPECT_EQ(result.crc,
                  crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(plain.data()),
                        static_cast<uInt>(plain.size())));
    }
}

TEST(ParameterBaseReader, BadHeadersLoadNothing) {
    std::string reserved = Deflate(Records(2), 31);
    reserved[3] = static_cast<char>(reserved[3] | 0x20);
    std::string method = Deflate(Records(2), 31);
    method[2] = 7;
    for (const std::string& bytes : {reserved, method}) {
        const ReadResult result = ReadAll(bytes);
        EXPECT_EQ(result.announced, 2u);
        EXPECT_TRUE(result.names.empty());
    }
}

TEST(ParameterBaseReader, IsizeDecidesTheRecordCountNotTheData) {
    const std::string packed = Deflate(Records(3), -15) + LittleEndian32(0);
    for (std::uint32_t isize : {2u * 2343 + 100, 2342u, 10u * 2343, 0xFFFFFFFFu}) {
        const ReadResult result = ReadAll(packed + LittleEndian32(isize));
        EXPECT_EQ(result.announced, isize / 2343);
        EXPECT_EQ(result.names.size(), 3u) << isize;
    }
}

TEST(ParameterBaseReader, DamagedFilesNeverCrashAndKeepWhatWasRead) {
    const std::string good = Deflate(Records(40), 31);
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{5},
                            std::size_t{11}, good.size() / 4, good.size() / 2}) {
        const ReadResult result = ReadAll(good.substr(0, cut));
        EXPECT_LT(result.names.size(), 40u) << "cut at " << cut;
    }
    for (std::size_t at = 10; at < good.size() - 8; at += 37) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(~flipped[at]);
        EXPECT_LT(ReadAll(flipped).names.size(), kReadCap) << "flip at " << at;
    }
    const ReadResult half = ReadAll(good.substr(0, good.size() / 2) + good.substr(good.size() - 4));
    EXPECT_EQ(half.announced, 40u);
    EXPECT_GT(half.names.size(), 0u);
    EXPECT_LT(half.names.size(), 40u);
}

TEST(ParameterBaseReader, MissingFileHasNoRecords) {
    ParameterBaseReader reader("/nonexistent/zrk640/parameters_m.zip");
    ParameterBaseReader::RecordBytes record;
    EXPECT_EQ(reader.RecordCount(), 0u);
    EXPECT_FALSE(reader.ReadRecord(record));
}
