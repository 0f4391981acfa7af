#include "tools/BaseSourceParser.h"

#include "tools/CaptionTemplate.h"
#include "tools/IndexList.h"
#include "tools/SourceText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <sstream>

namespace {

constexpr std::size_t kMinColumns = 9;
constexpr std::size_t kMaxColumns = 10;

bool IsListNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

template <typename T> bool ReadValue(const std::string& text, T& value) {
    value = T{};
    if (text.empty())
        return true;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::string Key(const ParameterRecord& record) {
    return SourceText::Lower(record.name) + ':' + std::to_string(std::max(record.index, 0));
}

} // namespace

int BaseSourceParser::Parse(const std::string& fileName, std::istream& in,
                            std::vector<ParameterRecord>& records,
                            std::vector<std::string>& errors) {
    records.clear();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!SourceText::IsUtf8(line))
            error_ = "строка не в кодировке UTF-8";
        else if (ParseLine(SourceText::Trim(SourceText::StripComment(line)), records) == 0)
            continue;
        errors.push_back(fileName + ":" + std::to_string(number) + ": " + error_);
    }
    return errors.empty() ? 0 : 1;
}

int BaseSourceParser::Fail(const std::string& what) {
    error_ = what;
    return 1;
}

int BaseSourceParser::ParseLine(const std::string& line, std::vector<ParameterRecord>& records) {
    if (line.empty())
        return 0;
    if (line.rfind("@list", 0) == 0)
        return ParseList(line);
    return ParseParameter(line, records);
}

int BaseSourceParser::ParseList(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return Fail("в строке @list нет '='");
    const std::string name = SourceText::Trim(line.substr(5, equals - 5));
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsListNameChar))
        return Fail("неверное имя списка \"" + name + "\"");
    if (lists_.count(name))
        return Fail("список @" + name + " уже определён");
    std::string text;
    if (ExpandLists(SourceText::Trim(line.substr(equals + 1)), text) != 0)
        return 1;
    lists_[name] = text;
    return 0;
}

int BaseSourceParser::ExpandLists(const std::string& text, std::string& out) {
    out.clear();
    std::size_t pos = 0;
    for (std::size_t at; (at = text.find('@', pos)) != std::string::npos;) {
        std::size_t end = at + 1;
        while (end < text.size() && IsListNameChar(text[end]))
            ++end;
        const std::string name = text.substr(at + 1, end - at - 1);
        const auto list = lists_.find(name);
        if (list == lists_.end())
            return Fail("неизвестный список @" + name);
        out += text.substr(pos, at - pos) + list->second;
        pos = end;
    }
    out += text.substr(pos);
    return 0;
}

int BaseSourceParser::ParseParameter(const std::string& line,
                                     std::vector<ParameterRecord>& records) {
    std::vector<std::string> columns = SourceText::Split(line, '|');
    if (columns.size() < kMinColumns || columns.size() > kMaxColumns)
        return Fail("ожидается " + std::to_string(kMaxColumns) + " столбцов через '|', найдено " +
                    std::to_string(columns.size()));
    columns.resize(kMaxColumns);
    ParameterRecord base;
    if (ParseColumns(columns, base) != 0)
        return 1;
    std::vector<int> indexes;
    if (IndexList::Parse(columns[1], indexes, error_) != 0)
        return 1;
    for (int index : indexes) {
        base.index = index;
        if (AddRecord(base, columns[2], records) != 0)
            return 1;
    }
    return 0;
}

int BaseSourceParser::ParseColumns(const std::vector<std::string>& columns, ParameterRecord& base) {
    base.name = columns[0];
    if (base.name.empty())
        return Fail("пустое имя параметра");
    if (ExpandLists(columns[3], base.format) != 0)
        return 1;
    if (!ReadValue(columns[4], base.decimals))
        return Fail("число знаков \"" + columns[4] + "\" не целое число");
    if (!ReadValue(columns[5], base.lower) || !ReadValue(columns[6], base.upper))
        return Fail("границы \"" + columns[5] + "\", \"" + columns[6] + "\" не числа");
    base.initial = columns[7];
    base.defaultValue = columns[8];
    return ParseOptions(columns[9], base);
}

int BaseSourceParser::ParseOptions(const std::string& text, ParameterRecord& record) {
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (word == "addr-by-index")
            record.addressByIndex = true;
        else if (word == "attr1")
            record.attributeFlag1 = true;
        else if (word == "attr2")
            record.attributeFlag2 = true;
        else if (word == "changed")
            record.changed = true;
        else if (word == "ro")
            record.flag270 = 1;
        else if (word.rfind("attr=", 0) != 0 || !ReadValue(word.substr(5), record.attributeStep) ||
                 record.attributeStep == 0)
            return Fail("неизвестный параметр \"" + word + "\"");
    }
    if ((record.attributeFlag1 || record.attributeFlag2) && record.attributeStep == 0)
        return Fail("attr1 и attr2 действуют только вместе с attr=N");
    return 0;
}

int BaseSourceParser::AddRecord(ParameterRecord record, const std::string& captionTemplate,
                                std::vector<ParameterRecord>& records) {
    if (CaptionTemplate::Expand(captionTemplate, record.index, record.caption, error_) != 0)
        return 1;
    std::array<std::uint8_t, kParameterRecordSize> bytes;
    if (record.Encode(bytes.data(), error_) != 0)
        return 1;
    if (!keys_.insert(Key(record)).second)
        return Fail("параметр " + Key(record) + " уже описан");
    records.push_back(std::move(record));
    return 0;
}
