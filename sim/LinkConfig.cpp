#include "sim/LinkConfig.h"

#include "params/ChoiceList.h"
#include "link/FrameCodec.h"
#include "sim/SimParameterBase.h"

#include <string>

namespace {

int Number(SimParameterBase& base, const char* name, int fallback) {
    const SimParameter* p = base.Find(name, 0);
    if (!p)
        return fallback;
    try {
        return std::stoi(p->param.value);
    } catch (const std::exception&) {
        return fallback;
    }
}

void SetText(SimParameterBase& base, const char* name, const std::string& text) {
    if (SimParameter* p = base.Find(name, 0))
        p->param.value = text;
}

} // namespace

LinkConfig LinkConfig::FromParameters(SimParameterBase& base) {
    LinkConfig c;
    c.baud = static_cast<unsigned>(Number(base, "bPS", 9600));
    c.dataBits = Number(base, "LEn", 8);
    c.stopBits = Number(base, "Sbit", 1);
    c.addressLength = Number(base, "A.Len", 8);
    c.address = Number(base, "Addr", 16);
    if (const SimParameter* p = base.Find("PrtY", 0))
        c.parity = find_choice(p->param.format, p->param.value);
    return c;
}

void LinkConfig::ToParameters(SimParameterBase& base) const {
    SetText(base, "bPS", std::to_string(baud));
    SetText(base, "LEn", std::to_string(dataBits));
    SetText(base, "Sbit", std::to_string(stopBits));
    SetText(base, "A.Len", std::to_string(addressLength));
    SetText(base, "Addr", std::to_string(address));
    if (SimParameter* p = base.Find("PrtY", 0))
        p->param.value = choice_text(p->param, parity);
}

bool LinkConfig::Reachable() const {
    return address >= 0 && address < (addressLength == kLongAddressLength ? 2048 : 256);
}
