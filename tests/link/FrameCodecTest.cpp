#include "link/FrameCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::uint16_t hash_of(const std::string& bytes) {
    return hash_buffer(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                       static_cast<int>(bytes.size()));
}

TEST(HashName, KnownNames) {
    const struct {
        const char* name;
        std::uint16_t hash;
    } cases[] = {
        {"n.Err", 0x0233},    {"dev", 0xD681},   {"ver", 0x2D5B}, {"mod.v", 0x1018},
        {"M.s.t.r.", 0x5EA0}, {"N.ERR", 0x0233}, {"DEV", 0xD681}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hash_name(c.name), c.hash) << c.name;
    EXPECT_EQ(hash_name("n.Err"), kErrorReplyHash);
}

TEST(HashName, SymbolsThatCountAndSymbolsThatDoNot) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"#$%", "    ", true},           // skipped characters leave the padding
        {".dev", "dev", true},           // a leading '.' is skipped
        {"ABCDE", "ABCD", true},         // only four symbols count
        {"ABCD.", "ABCD", false},        // but a dot right after the fourth does
        {"ABCD.E", "ABCD.", true},       // the fifth symbol is dropped
        {"ABCDEFGH.", "ABCDEFGH", true}, // past the eighth character
        {"A_", "A-", false},             // the two special symbols differ
        {"a.b", "ab", false},            // a dot marks its symbol
    };
    for (const auto& c : cases)
        EXPECT_EQ(hash_name(c.a) == hash_name(c.b), c.equal) << c.a << " / " << c.b;
}

TEST(HashBuffer, NonReflectedCrcVectors) {
    EXPECT_EQ(hash_of("abc"), 0x4F8D);
    EXPECT_EQ(hash_of("123456789"), 0xB581);
    EXPECT_EQ(hash_of(""), 0);
}

TEST(Buffers, EveryByteRoundTripsThroughTwoCharacters) {
    std::vector<std::uint8_t> bytes(256);
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    std::string chars(512, '\0');
    encode_buffer(bytes.data(), 256, chars.data());
    EXPECT_EQ(chars.substr(0, 4), "GGGH");
    EXPECT_EQ(chars.substr(510), "VV");
    std::vector<std::uint8_t> back(256);
    decode_buffer(chars.data(), 512, back.data());
    EXPECT_EQ(back, bytes);
}

TEST(EncodeFrame, ReadRequestsForDev) {
    const Frame dev{.address = 16, .request = true, .hash = hash_name("dev"), .data = {}};
    EXPECT_EQ(encode_frame(dev, 8), "#HGHGTMOHPGMO\r");
    EXPECT_EQ(encode_frame(dev, 11), "#GIHGTMOHLKTQ\r");
    EXPECT_EQ(encode_frame(dev, 9), encode_frame(dev, 8)); // anything but 11 is 8-bit
}

TEST(EncodeFrame, AddressPacking) {
    std::uint8_t bytes[6];
    const std::string frame11 =
        encode_frame({.address = 255, .request = false, .hash = 0, .data = {}}, 11);
    decode_buffer(frame11.data() + 1, 12, bytes);
    EXPECT_EQ(bytes[0], 0x1F);
    EXPECT_EQ(bytes[1] >> 5, 7);
    const std::string frame8 =
        encode_frame({.address = 300, .request = false, .hash = 0, .data = {}}, 8);
    decode_buffer(frame8.data() + 1, 12, bytes);
    EXPECT_EQ(bytes[0], 300 & 0xFF);
    EXPECT_EQ(bytes[1], 0);
}

TEST(EncodeFrame, MoreThanFifteenDataBytesIsRefused) {
    Frame frame{.address = 1, .request = false, .hash = 1, .data = std::vector<std::uint8_t>(16)};
    EXPECT_EQ(encode_frame(frame, 8), "");
    frame.data.resize(15);
    EXPECT_EQ(encode_frame(frame, 8).size(), static_cast<std::size_t>(frame_length(15)));
}

TEST(DecodeFrame, RoundTripsEveryLengthAndAddressMode) {
    for (int length : {8, 11}) {
        for (int n = 0; n <= kMaxFrameData; ++n) {
            Frame sent{.address = length == 11 ? 1234 : 201,
                       .request = n % 2 == 0,
                       .hash = static_cast<std::uint16_t>(0x1234 + n),
                       .data = {}};
            for (int i = 0; i < n; ++i)
                sent.data.push_back(static_cast<std::uint8_t>(i * 37));
            const std::string chars = encode_frame(sent, length);
            ASSERT_EQ(chars.size(), static_cast<std::size_t>(frame_length(n)));
            Frame got;
            ASSERT_EQ(decode_frame(chars, length, got), kFrameOk) << n;
            EXPECT_EQ(got.address, sent.address);
            EXPECT_EQ(got.request, sent.request);
            EXPECT_EQ(got.hash, sent.hash);
            EXPECT_EQ(got.data, sent.data);
        }
    }
}

TEST(DecodeFrame, CorruptedFramesAreRejected) {
    const Frame reply{.address = 16, .request = false, .hash = 0xD681, .data = {0x00, 0x0F}};
    const std::string good = encode_frame(reply, 8);
    ASSERT_EQ(good.substr(9, 4), "GGGV");
    auto changed = [&](std::size_t at, char c) {
        std::string s = good;
        s[at] = c;
        return s;
    };
    const std::string cases[] = {
        changed(9, 'W'),               // 'W' would decode to the same nibble as 'G'
        changed(9, 'g'),               // lower case 'g' too
        changed(12, 'F'),              // just below 'G'
        changed(10, 'H'),              // one data bit
        changed(good.size() - 2, 'H'), // checksum
        changed(0, '$'),
        good.substr(0, good.size() - 1),          // no CR
        good.substr(0, good.size() - 1) + "GG\r", // longer than n says
        good.substr(0, 9) + good.substr(13),      // shorter than n says
        "#\r",
        "",
    };
    for (const std::string& chars : cases) {
        Frame frame{.address = 99, .request = true, .hash = 7, .data = {1}};
        EXPECT_EQ(decode_frame(chars, 8, frame), kFrameBroken) << chars;
        EXPECT_EQ(frame.address, 99); // left alone
        EXPECT_EQ(frame.data, std::vector<std::uint8_t>{1});
    }
}

} // namespace

namespace {

// Whatever a damaged line delivers, an accepted frame is exactly one we could have sent.
TEST(DecodeFrame, AcceptedFramesAlwaysReencodeToTheSameCharacters) {
    std::mt19937 random(640);
    const Frame reply{.address = 7, .request = false, .hash = 0x1018, .data = {1, 2, 3}};
    const std::string good = encode_frame(reply, 8);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string chars = good;
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < changes; ++i)
            chars[random() % chars.size()] = static_cast<char>(random() % 256);
        if (chars == good)
            continue;
        Frame frame;
        if (decode_frame(chars, 8, frame) == kFrameOk) {
            ++accepted;
            EXPECT_EQ(encode_frame(frame, 8), chars);
        }
    }
    EXPECT_LE(accepted, 3); // a 16-bit check lets very few damaged frames through
}

} // namespace
