#include "params/ParameterRecord.h"

#include <array>
#include <gtest/gtest.h>

namespace {

ParameterRecord FullRecord() {
    ParameterRecord r;
    r.name = "rel.a";
    r.caption = "Выход канала 3";
    r.index = 17;
    r.addressByIndex = true;
    r.flag270 = 1;
    r.flag271 = 2;
    r.reserved272 = 0xA1B2C3D4;
    r.changed = true;
    r.attributeStep = -3;
    r.attributeFlag1 = true;
    r.format = "нет:<hide>да";
    r.decimals = 2;
    r.lower = -1.5f;
    r.upper = 1e6f;
    r.initial = "12.5";
    r.defaultValue = "?1";
    r.message = "Сообщение";
    return r;
}

} // namespace

TEST(ParameterRecord, EncodeDecodeKeepsEveryField) {
    std::array<std::uint8_t, kParameterRecordSize> bytes;
    std::string error;
    ASSERT_EQ(FullRecord().Encode(bytes.data(), error), 0) << error;
    EXPECT_EQ(ParameterRecord::Decode(bytes.data()), FullRecord());
    // Little-endian index at 265, code page 1251 caption at 9.
    EXPECT_EQ(bytes[265], 17);
    EXPECT_EQ(bytes[268], 0);
    EXPECT_EQ(bytes[9], 0xC2);
}

TEST(ParameterRecord, FieldWithoutZeroByteIsCutInsideItsField) {
    std::array<std::uint8_t, kParameterRecordSize> bytes;
    bytes.fill('A');
    const ParameterRecord r = ParameterRecord::Decode(bytes.data());
    EXPECT_EQ(r.name, std::string(8, 'A'));
    EXPECT_EQ(r.caption.size(), 255u);
    EXPECT_EQ(r.format.size(), 1023u);
    EXPECT_EQ(r.message.size(), 511u);
}

TEST(ParameterRecord, EncodeRefusesTextsItsFieldsCannotHold) {
    struct Case {
        const char* what;
        void (*change)(ParameterRecord&);
        const char* field;
    };
    const Case cases[] = {
        {"name of 9", [](ParameterRecord& r) { r.name = "abcdefghi"; }, "имя"},
        {"caption of 256 bytes",
         [](ParameterRecord& r) {
             r.caption.clear();
             for (int i = 0; i < 128; ++i)
                 r.caption += "Яя";
         },
         "заголовок"},
        {"default outside the code page", [](ParameterRecord& r) { r.defaultValue = "日"; },
         "значение по умолчанию"},
    };
    for (const Case& c : cases) {
        ParameterRecord r = FullRecord();
        c.change(r);
        std::array<std::uint8_t, kParameterRecordSize> bytes;
        std::string error;
        EXPECT_NE(r.Encode(bytes.data(), error), 0) << c.what;
        EXPECT_NE(error.find(c.field), std::string::npos) << c.what << ": " << error;
    }
    ParameterRecord fits = FullRecord();
    fits.caption = std::string(127, 'x');
    for (int i = 0; i < 64; ++i)
        fits.caption += "Яя";
    std::array<std::uint8_t, kParameterRecordSize> bytes;
    std::string error;
    EXPECT_EQ(fits.Encode(bytes.data(), error), 0) << "255 bytes fit";
}
