#include "params/ChoiceListField.h"

#include <algorithm>
#include <cstdlib>

namespace {

const std::string kHide = "<hide>";

void RemoveAll(std::string& text, const std::string& what) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

} // namespace

void ChoiceListField::Parse(const std::string& field, std::string& format,
                            std::vector<std::uint8_t>& masks) {
    format.clear();
    masks.clear();
    std::size_t start = 0;
    while (start <= field.size()) {
        std::size_t end = field.find(':', start);
        if (end == std::string::npos)
            end = field.size();
        std::string choice = field.substr(start, end - start);
        start = end + 1;
        if (choice.empty())
            continue;
        masks.push_back(TakeMark(choice));
        format += choice + ':';
    }
    while (!format.empty() && format.back() == ':')
        format.pop_back();
    if (format.find(':') != std::string::npos)
        std::replace(format.begin(), format.end(), '_', ' ');
}

std::uint8_t ChoiceListField::TakeMark(std::string& choice) {
    if (choice.compare(0, kHide.size(), kHide) != 0)
        return 0;
    const std::size_t close = choice.find(')', kHide.size());
    if (choice.size() > kHide.size() && choice[kHide.size()] == '(' && close != std::string::npos) {
        const std::uint8_t mask =
            ModificationMask(choice.substr(kHide.size(), close - kHide.size()));
        choice.erase(0, close + 1);
        return mask;
    }
    // Without its closing ')' the mark hides the choice everywhere.
    RemoveAll(choice, kHide);
    return kNeverOffered;
}

std::uint8_t ChoiceListField::ModificationMask(const std::string& numbers) {
    std::uint8_t mask = 0;
    std::size_t pos = 0;
    while (pos < numbers.size()) {
        const std::size_t begin = numbers.find_first_not_of(",() ", pos);
        if (begin == std::string::npos)
            break;
        std::size_t end = numbers.find_first_of(",() ", begin);
        if (end == std::string::npos)
            end = numbers.size();
        const long n = std::strtol(numbers.substr(begin, end - begin).c_str(), nullptr, 10);
        if (n <= 8)
            mask |= static_cast<std::uint8_t>(1u << (std::max(n, 1L) - 1));
        pos = end;
    }
    return mask;
}
