#include "tools/BaseSourceWriter.h"

#include "tools/IndexList.h"

#include <cctype>
#include <charconv>

namespace {

// A text survives the trip only when the source reader takes it back as it is.
bool Plain(const std::string& text, const char* special) {
    if (text.find_first_of(special) != std::string::npos || text.find("\n") != std::string::npos)
        return false;
    return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' &&
                            text.back() != '\t');
}

bool PlainFormat(const std::string& format) {
    const std::size_t at = format.find('@');
    return Plain(format, "|#\r") && at == std::string::npos;
}

} // namespace

int BaseSourceWriter::Write(const std::vector<ParameterRecord>& records, std::ostream& out,
                            std::vector<std::string>& losses) {
    out << "# name | indexes | caption | format | decimals | lower | upper | initial | default"
           " | options\n";
    for (const ParameterRecord& record : records) {
        out << Line(record) << '\n';
        const std::string lost = Losses(record);
        if (!lost.empty())
            losses.push_back(record.name + ":" + std::to_string(record.index) + ": " + lost);
    }
    return losses.empty() ? 0 : 1;
}

std::string BaseSourceWriter::Line(const ParameterRecord& r) {
    const std::string index = r.index == -1 ? "-" : std::to_string(r.index);
    std::string line = r.name + " | " + index + " | " + r.caption + " | " + r.format + " | " +
                       std::to_string(r.decimals) + " | " + Number(r.lower) + " | " +
                       Number(r.upper) + " | " + r.initial + " | " + r.defaultValue;
    const std::string options = Options(r);
    return options.empty() ? line : line + " | " + options;
}

std::string BaseSourceWriter::Options(const ParameterRecord& r) {
    std::string options;
    auto add = [&options](const std::string& word) {
        options += options.empty() ? word : " " + word;
    };
    if (r.addressByIndex)
        add("addr-by-index");
    if (r.attributeStep != 0) {
        add("attr=" + std::to_string(r.attributeStep));
        if (r.attributeFlag1)
            add("attr1");
        if (r.attributeFlag2)
            add("attr2");
    }
    if (r.changed)
        add("changed");
    if (r.flag270 == 1)
        add("ro");
    return options;
}

std::string BaseSourceWriter::Number(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string BaseSourceWriter::Losses(const ParameterRecord& r) {
    std::string lost;
    auto check = [&lost](bool kept, const char* what) {
        if (!kept)
            lost += lost.empty() ? what : std::string(", ") + what;
    };
    check(Plain(r.name, "|# \t\r") && !r.name.empty(), "имя");
    check(r.index >= -1 && r.index <= IndexList::kMaxIndex, "индекс");
    check(Plain(r.caption, "|#{}\r"), "заголовок");
    check(PlainFormat(r.format), "формат");
    check(Plain(r.initial, "|#\r") && Plain(r.defaultValue, "|#\r"), "значения");
    check(r.flag270 <= 1 && r.flag271 == 0 && r.reserved272 == 0, "флаги 270..275");
    check(r.attributeStep != 0 || (!r.attributeFlag1 && !r.attributeFlag2), "attr1/attr2");
    check(r.message.empty(), "сообщение");
    return lost;
}
