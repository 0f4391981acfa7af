#include "params/ReferenceText.h"

#include "util/NumberText.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace {

// Removes "<m...>" from text; true when it names the modification or is absent.
bool PassFilter(std::string& text, int modification) {
    const std::size_t open = text.find("<m");
    if (open == std::string::npos)
        return true;
    const std::size_t close = text.find('>', open + 2);
    const std::size_t listEnd = close == std::string::npos ? text.size() : close;
    const std::string list = text.substr(open + 2, listEnd - open - 2);
    text = text.substr(0, open) + (close == std::string::npos ? "" : text.substr(close + 1));
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        long long item = 0;
        if (ReadInteger(std::string_view(list).substr(start, comma - start), item) > 0 &&
            item == modification)
            return true;
        start = comma + 1;
    }
    return false;
}

// The integer at pos: a run of digits with an optional sign; none reads as 0.
long long IntegerAt(const std::string& text, std::size_t pos) {
    long long value = 0;
    ReadInteger(std::string_view(text).substr(pos), value);
    return value;
}

int Saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Applies the operators in their order ':', '*', '+'; the first one found
// ends the name.
void ComputeIndex(std::string& text, int& index) {
    std::size_t nameEnd = std::string::npos;
    std::size_t p = 0;
    while (true) {
        std::size_t op = text.find(':', p);
        if (op == std::string::npos)
            op = text.find('*', p);
        if (op == std::string::npos)
            op = text.find('+', p);
        if (op == std::string::npos)
            break;
        const long long operand = IntegerAt(text, op + 1);
        if (text[op] == ':')
            index = Saturate(operand);
        else if (text[op] == '*')
            index = Saturate(static_cast<long long>(index) * Saturate(operand));
        else
            index = Saturate(static_cast<long long>(index) + Saturate(operand));
        if (nameEnd == std::string::npos)
            nameEnd = op;
        p = op + 1;
    }
    if (nameEnd != std::string::npos)
        text.resize(nameEnd);
}

bool IsListEnd(const char* entry) {
    return entry == nullptr || *entry == '\0';
}

} // namespace

bool ResolveReference(std::string& text, int& index, bool computeIndex, int modification) {
    if (!PassFilter(text, modification))
        return false;
    if (computeIndex)
        ComputeIndex(text, index);
    return true;
}

int CountApplicableReferences(ReferenceList list, int modification) {
    int count = 0;
    for (const char* entry : list) {
        if (IsListEnd(entry))
            break;
        std::string text = entry;
        int index = 0;
        if (ResolveReference(text, index, false, modification))
            ++count;
    }
    return count;
}

std::vector<ResolvedReference> ResolveReferenceList(ReferenceList list, int baseIndex,
                                                    int modification) {
    std::vector<ResolvedReference> resolved;
    for (const char* entry : list) {
        if (IsListEnd(entry))
            break;
        ResolvedReference ref{entry, baseIndex};
        if (ResolveReference(ref.name, ref.index, true, modification))
            resolved.push_back(std::move(ref));
    }
    return resolved;
}
