#include "tools/CaptionTemplate.h"

#include <charconv>

namespace {

bool ReadInt(const char*& p, const char* end, int& value) {
    const auto result = std::from_chars(p, end, value);
    if (result.ec != std::errc())
        return false;
    p = result.ptr;
    return true;
}

} // namespace

int CaptionTemplate::Expand(const std::string& caption, int index, std::string& out,
                            std::string& error) {
    out.clear();
    std::size_t pos = 0;
    for (std::size_t open; (open = caption.find('{', pos)) != std::string::npos;) {
        const std::size_t close = caption.find('}', open);
        const std::string expression = close == std::string::npos
                                           ? caption.substr(open)
                                           : caption.substr(open + 1, close - open - 1);
        int value = 0;
        if (close == std::string::npos || !Evaluate(expression, index, value)) {
            error = "неверный шаблон \"{" + expression + "}\" в заголовке";
            return 1;
        }
        if (index < 0) {
            error = "шаблон \"{" + expression + "}\" у параметра без индексов";
            return 1;
        }
        out += caption.substr(pos, open - pos) + std::to_string(value);
        pos = close + 1;
    }
    out += caption.substr(pos);
    return 0;
}

bool CaptionTemplate::Evaluate(const std::string& expression, int index, int& value) {
    const char* p = expression.data();
    const char* end = p + expression.size();
    if (p == end || *p++ != 'i')
        return false;
    value = index;
    if (p != end && (*p == '/' || *p == '%')) {
        const char op = *p++;
        int divisor = 0;
        if (!ReadInt(p, end, divisor) || divisor <= 0)
            return false;
        value = op == '/' ? value / divisor : value % divisor;
    }
    if (p != end && (*p == '+' || *p == '-')) {
        const char sign = *p++;
        int addend = 0;
        if (p == end || *p == '-' || !ReadInt(p, end, addend))
            return false;
        value += sign == '+' ? addend : -addend;
    }
    return p == end;
}
