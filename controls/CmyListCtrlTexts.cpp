#include "controls/CmyListCtrlTexts.h"

#include "config/EditTexts.h"
#include "params/NumberFormats.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

namespace CmyListCtrlTexts {

std::string CellText(int column, const std::string& text) {
    return column > 0 && text == kNoData ? kNotAvailable : text;
}

std::string TypedValue(const std::string& text) {
    return text == kNotAvailable ? kNoData : text;
}

std::string EditTipTitle(const Parameter& p) {
    return p.DisplayName() + " (" + p.name + ")";
}

std::string EditTipText(const Parameter& p) {
    if (EqualsNoCase(p.format, kStoredDotFormat))
        return "Значение параметра должно быть вещественного типа, от " + LimitsText(p, 3) + ".";
    return "Значение параметра должно быть целого типа, от " + LimitsText(p, 0) + ".";
}

} // namespace CmyListCtrlTexts
