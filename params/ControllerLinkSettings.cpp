#include "params/ControllerLinkSettings.h"

#include "util/TextCase.h"

namespace {

template <typename Match> const ParityNames* FindParity(Match match) {
    for (const ParityNames& parity : kParities)
        if (match(parity))
            return &parity;
    return nullptr;
}

} // namespace

const ParityNames* ParityOfCode(int code) {
    return FindParity([code](const ParityNames& p) { return p.code == code; });
}

const ParityNames* ParityOfText(std::string_view text) {
    return FindParity([text](const ParityNames& p) { return EqualsNoCase(text, p.text); });
}

const ParityNames* ParityOfOption(std::string_view word) {
    return FindParity([word](const ParityNames& p) { return word == p.option; });
}

const ParityNames& ParityNamesOf(int code) {
    const ParityNames* parity = ParityOfCode(code);
    return parity ? *parity : *ParityOfCode(kParityNone);
}
