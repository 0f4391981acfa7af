#include "tools/TooltipSource.h"

#include "util/CodePage1251.h"
#include "tools/SourceText.h"

#include <algorithm>

namespace {

std::string JoinLines(std::vector<std::string> lines) {
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += i == 0 ? lines[i] : "\\n" + lines[i];
    return text;
}

bool HasControl(const std::string& line) {
    return std::any_of(line.begin(), line.end(),
                       [](unsigned char c) { return c < 0x20 && c != '\t'; });
}

} // namespace

int TooltipSource::Compile(const std::string& fileName, std::istream& in, std::string& content,
                           std::vector<std::string>& errors) {
    fileName_ = fileName;
    errors_ = &errors;
    content.clear();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = SourceText::Trim(line);
        int result = 0;
        if (!SourceText::IsUtf8(line) || HasControl(line))
            result = Fail("строка не в UTF-8 или с управляющими символами");
        else if (trimmed.rfind('#', 0) == 0)
            continue;
        else if (trimmed.rfind('[', 0) == 0) {
            FinishBlock(content);
            result = StartBlock(trimmed);
        } else
            result = AddLine(trimmed);
        if (result != 0)
            Report(std::to_string(number), error_);
        if (trimmed.rfind('[', 0) == 0)
            blockLine_ = number;
    }
    FinishBlock(content);
    return errors.empty() ? 0 : 1;
}

int TooltipSource::Fail(const std::string& what) {
    error_ = what;
    return 1;
}

void TooltipSource::Report(const std::string& where, const std::string& what) {
    errors_->push_back(fileName_ + ":" + where + ": " + what);
}

int TooltipSource::StartBlock(const std::string& line) {
    name_.clear();
    lines_.clear();
    const std::string name =
        line.size() > 2 && line.back() == ']' ? line.substr(1, line.size() - 2) : "";
    if (name.empty() || name.find_first_of(" \t<[]") != std::string::npos)
        return Fail("неверный заголовок блока \"" + line + "\", ожидается [имя]");
    if (!names_.insert(SourceText::Lower(name)).second)
        return Fail("текст для \"" + name + "\" уже есть");
    name_ = name;
    return 0;
}

int TooltipSource::AddLine(const std::string& line) {
    if (name_.empty())
        return line.empty() ? 0 : Fail("текст вне блока [имя]");
    if (line.find_first_of("_<") != std::string::npos)
        return Fail("символы '_' и '<' в тексте недопустимы");
    if (!line.empty() || !lines_.empty())
        lines_.push_back(line);
    return 0;
}

void TooltipSource::FinishBlock(std::string& content) {
    if (name_.empty())
        return;
    std::string text = JoinLines(lines_);
    std::replace(text.begin(), text.end(), ' ', '_');
    std::replace(text.begin(), text.end(), '\t', '_');
    bool lossy = false;
    const std::string record = CodePage1251::FromUtf8(name_ + ' ' + text, &lossy) + "<<";
    name_.clear();
    if (text.empty())
        Report(std::to_string(blockLine_), "пустой текст");
    else if (lossy)
        Report(std::to_string(blockLine_), "символ вне кодовой страницы 1251");
    else
        content += record;
}
