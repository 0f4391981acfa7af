#pragma once
// The indexes column of the base source: "-" (not indexed), or a comma list
// of N, A..B and A..B/S.

#include <string>
#include <vector>

class IndexList {
public:
    // Keeps a typo such as 0..100000 from producing a huge base.
    static constexpr int kMaxIndex = 9999;

    // 0 and the indexes in written order ({-1} for "-"); else error says why.
    static int Parse(const std::string& text, std::vector<int>& indexes, std::string& error);

private:
    static int ParseItem(const std::string& item, std::vector<int>& indexes, std::string& error);
    static bool ReadNumber(const std::string& text, int& value);
};
