#include "tools/IndexList.h"

#include <charconv>

int IndexList::Parse(const std::string& text, std::vector<int>& indexes, std::string& error) {
    indexes.clear();
    if (text == "-") {
        indexes.push_back(-1);
        return 0;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (ParseItem(text.substr(start, comma - start), indexes, error) != 0)
            return 1;
        if (comma == std::string::npos)
            return 0;
        start = comma + 1;
    }
}

int IndexList::ParseItem(const std::string& item, std::vector<int>& indexes, std::string& error) {
    const std::size_t dots = item.find("..");
    const std::size_t slash = item.find('/');
    int first = 0, last = 0, step = 1;
    const bool ok =
        dots == std::string::npos
            ? ReadNumber(item, first) && (last = first, true)
            : ReadNumber(item.substr(0, dots), first) &&
                  ReadNumber(item.substr(dots + 2, slash - dots - 2), last) &&
                  (slash == std::string::npos || ReadNumber(item.substr(slash + 1), step));
    if (!ok || first > last || step <= 0 || last > kMaxIndex ||
        (slash != std::string::npos && dots == std::string::npos)) {
        error = "неверный диапазон индексов \"" + item + "\"";
        return 1;
    }
    for (int i = first; i <= last; i += step)
        indexes.push_back(i);
    return 0;
}

bool IndexList::ReadNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= 0;
}
