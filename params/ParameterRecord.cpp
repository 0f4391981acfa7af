#include "params/ParameterRecord.h"

#include "util/CodePage1251.h"

#include <bit>
#include <cstring>

namespace {

// Byte offsets of the number fields.
constexpr std::size_t kIndexAt = 265;
constexpr std::size_t kAddressByIndexAt = 269;
constexpr std::size_t kFlag270At = 270;
constexpr std::size_t kFlag271At = 271;
constexpr std::size_t kReserved272At = 272;
constexpr std::size_t kChangedAt = 276;
constexpr std::size_t kAttributeStepAt = 277;
constexpr std::size_t kAttributeFlag1At = 281;
constexpr std::size_t kAttributeFlag2At = 282;
constexpr std::size_t kDecimalsAt = 1307;
constexpr std::size_t kLowerAt = 1311;
constexpr std::size_t kUpperAt = 1315;

struct TextField {
    std::size_t offset;
    std::size_t size;
    std::string ParameterRecord::*member;
    const char* title;
};

constexpr TextField kTexts[] = {
    {0, 9, &ParameterRecord::name, "имя"},
    {9, 256, &ParameterRecord::caption, "заголовок"},
    {283, 1024, &ParameterRecord::format, "формат"},
    {1319, 256, &ParameterRecord::initial, "начальное значение"},
    {1575, 256, &ParameterRecord::defaultValue, "значение по умолчанию"},
    {1831, 512, &ParameterRecord::message, "сообщение"},
};

std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void WriteU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string ReadText(const std::uint8_t* bytes, const TextField& field) {
    const auto* begin = reinterpret_cast<const char*>(bytes + field.offset);
    return CodePage1251::ToUtf8(std::string_view(begin, strnlen(begin, field.size - 1)));
}

int WriteText(std::uint8_t* bytes, const TextField& field, const std::string& utf8,
              std::string& error) {
    bool lossy = false;
    const std::string text = CodePage1251::FromUtf8(utf8, &lossy);
    if (lossy) {
        error = std::string("поле \"") + field.title + "\": символ вне кодовой страницы 1251";
        return 1;
    }
    if (text.size() >= field.size || text.find('\0') != std::string::npos) {
        error = std::string("поле \"") + field.title + "\" длиннее " +
                std::to_string(field.size - 1) + " байт";
        return 1;
    }
    std::memcpy(bytes + field.offset, text.data(), text.size());
    return 0;
}

} // namespace

ParameterRecord ParameterRecord::Decode(const std::uint8_t* bytes) {
    ParameterRecord r;
    for (const TextField& field : kTexts)
        r.*field.member = ReadText(bytes, field);
    r.index = static_cast<std::int32_t>(ReadU32(bytes + kIndexAt));
    r.addressByIndex = bytes[kAddressByIndexAt] != 0;
    r.flag270 = bytes[kFlag270At];
    r.flag271 = bytes[kFlag271At];
    r.reserved272 = ReadU32(bytes + kReserved272At);
    r.changed = bytes[kChangedAt] != 0;
    r.attributeStep = static_cast<std::int32_t>(ReadU32(bytes + kAttributeStepAt));
    r.attributeFlag1 = bytes[kAttributeFlag1At] != 0;
    r.attributeFlag2 = bytes[kAttributeFlag2At] != 0;
    r.decimals = static_cast<std::int32_t>(ReadU32(bytes + kDecimalsAt));
    r.lower = std::bit_cast<float>(ReadU32(bytes + kLowerAt));
    r.upper = std::bit_cast<float>(ReadU32(bytes + kUpperAt));
    return r;
}

int ParameterRecord::Encode(std::uint8_t* bytes, std::string& error) const {
    std::memset(bytes, 0, kParameterRecordSize);
    for (const TextField& field : kTexts) {
        if (WriteText(bytes, field, this->*field.member, error) != 0)
            return 1;
    }
    WriteU32(bytes + kIndexAt, static_cast<std::uint32_t>(index));
    bytes[kAddressByIndexAt] = addressByIndex;
    bytes[kFlag270At] = flag270;
    bytes[kFlag271At] = flag271;
    WriteU32(bytes + kReserved272At, reserved272);
    bytes[kChangedAt] = changed;
    WriteU32(bytes + kAttributeStepAt, static_cast<std::uint32_t>(attributeStep));
    bytes[kAttributeFlag1At] = attributeFlag1;
    bytes[kAttributeFlag2At] = attributeFlag2;
    WriteU32(bytes + kDecimalsAt, static_cast<std::uint32_t>(decimals));
    WriteU32(bytes + kLowerAt, std::bit_cast<std::uint32_t>(lower));
    WriteU32(bytes + kUpperAt, std::bit_cast<std::uint32_t>(upper));
    return 0;
}
