#pragma once
// Parameter names and value texts are compared without regard to case. The
// texts are UTF-8 and may be Cyrillic ("Нет данных"), so folding ASCII alone
// is not enough.

#include <string>
#include <string_view>

// Latin and Cyrillic capitals to small letters; every other byte unchanged.
std::string LowerText(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
