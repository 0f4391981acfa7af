#include "sim/ControllerModel.h"

#include "config/ModificationTraits.h"
#include "params/ChoiceList.h"
#include "sim/GraphRules.h"
#include "link/NetworkErrors.h"
#include "sim/ParameterCodec.h"

#include <cstdlib>

namespace {

constexpr int kFactoryResetRequest = 255; // written to "mod.v"
constexpr std::uint8_t kAddressFollows = 24; // "exit" after the front-panel menu

bool Is(const Parameter& p, const char* name) {
    return same_ignoring_latin_case(p.name, name);
}

int Integer(const std::string& text) {
    return std::atoi(text.c_str());
}

} // namespace

ControllerModel::ControllerModel(SimParameterBase& base, const Options& options,
                                 Clock::time_point now)
    : base_(base), measurements_(base, now), elements_(base), modelName_(options.model),
      changeTime_(options.changeTime) {
    if (SimParameter* dev = base_.Find("dev", 0))
        dev->initial = dev->param.value = modelName_;
    ReloadFromValues();
    if (options.modification > 0) {
        modification_ = options.modification;
        SetValue("mod.v", std::to_string(modification_));
    }
}

void ControllerModel::ReloadFromValues() {
    const SimParameter* mod = base_.Find("mod.v", 0);
    modification_ = mod ? Integer(mod->param.value) : 1;
    active_ = LinkConfig::FromParameters(base_);
}

int ControllerModel::MaxChannels(int modification) {
    return TraitsOf(modification).maxChannels;
}

void ControllerModel::SetValue(const char* name, const std::string& text) {
    if (SimParameter* p = base_.Find(name, 0))
        p->param.value = text;
}

void ControllerModel::RecordError(std::uint8_t code) {
    SetValue("n.Err", std::to_string(code));
}

bool ControllerModel::TakeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
}

Answer ControllerModel::Reply(const SimParameter& p) const {
    std::vector<std::uint8_t> data;
    if (!ParameterCodec::Encode(p, data))
        return Answer::Error(NetworkErrors::kEepromRead);
    return Answer::Data(std::move(data));
}

Answer ControllerModel::Read(std::uint16_t hash, int index, Clock::time_point now) {
    if (!base_.KnowsHash(hash))
        return Answer::Error(NetworkErrors::kNoDescriptor);
    const SimParameter* p = base_.Find(hash, index);
    if (!p)
        return Answer::Error(NetworkErrors::kIndexBeyond);
    bool handled = false;
    Answer special = ReadSpecial(*p, now, handled);
    return handled ? special : Reply(*p);
}

Answer ControllerModel::ReadSpecial(const SimParameter& entry, Clock::time_point now,
                                    bool& handled) {
    const Parameter& p = entry.param;
    const std::uint8_t high = static_cast<std::uint8_t>(p.index >> 8);
    const std::uint8_t low = static_cast<std::uint8_t>(p.index & 0xFF);
    handled = true;
    if (Is(p, "exit"))
        return Answer::Data({exit_.begin(), exit_.end()});
    if (Is(p, "APLY"))
        return Answer::Data({});
    if (Is(p, "S.OE"))
        return Answer::Data({static_cast<std::uint8_t>(elements_.StateOf(p.index)), high, low});
    if (Measurements::IsMeasurement(p.name)) {
        const auto bytes = measurements_.Value(p.name, p.index, now);
        return Answer::Data({bytes[0], bytes[1], bytes[2], bytes[3], high, low});
    }
    handled = false;
    return {};
}

Answer ControllerModel::Write(std::uint16_t hash, int index,
                              const std::vector<std::uint8_t>& value, Clock::time_point now) {
    if (!base_.KnowsHash(hash))
        return Answer::Error(NetworkErrors::kNoDescriptor);
    SimParameter* p = base_.Find(hash, index);
    if (!p)
        return Answer::Error(NetworkErrors::kIndexBeyond);
    if (p->readOnly)
        return Answer::Error(NetworkErrors::kRomParameter);
    if (menu_)
        return Answer::Error(NetworkErrors::kBusy);
    std::string text;
    if (const std::uint8_t error = ParameterCodec::Decode(*p, value, text))
        return Answer::Error(error);
    if (const std::uint8_t error = CheckWrite(*p, text, now))
        return Answer::Error(error);
    if (!Is(p->param, "mod.v"))
        p->param.value = text;
    changed_ = true;
    if (journal_)
        journal_->Wrote(journalTag_, p->param, text);
    return Reply(*p);
}

std::uint8_t ControllerModel::CheckWrite(SimParameter& entry, const std::string& text,
                                         Clock::time_point now) {
    const Parameter& p = entry.param;
    const int number = Integer(text);
    if (Is(p, "mod.v"))
        return CheckModification(number);
    if (Is(p, "ch.md")) {
        busyUntil_ = now + changeTime_;
        pendingModification_ = number;
        return 0;
    }
    if (Is(p, "n.Ch") && number > MaxChannels(modification_))
        return NetworkErrors::kInvalidCombination;
    if (OutputElements::IsLink(p))
        return elements_.CheckLink(p, find_choice(p.format, text), modification_);
    if (Is(p, "absc"))
        return GraphRules::CheckX(base_, p.index);
    if (Is(p, "node"))
        return GraphRules::CheckNodeCount(base_, p.index, number);
    return 0;
}

std::uint8_t ControllerModel::CheckModification(int value) {
    if (value == kFactoryResetRequest) {
        ResetToFactory();
        return 0;
    }
    return value == modification_ ? 0 : NetworkErrors::kInvalidCombination;
}

void ControllerModel::ResetToFactory() {
    base_.ResetValues();
    SetValue("mod.v", std::to_string(modification_));
    active_.ToParameters(base_); // the link stays as it is
    changed_ = true;
}

bool ControllerModel::Settle(Clock::time_point now) {
    if (!busyUntil_ || now < *busyUntil_)
        return false;
    busyUntil_.reset();
    modification_ = pendingModification_;
    active_ = LinkConfig::Standard();
    ResetToFactory();
    return true;
}

Answer ControllerModel::Apply() {
    const LinkConfig next = LinkConfig::FromParameters(base_);
    // Settings whose own address no frame could reach would lose the device.
    if (!next.Reachable())
        return Answer::Error(NetworkErrors::kInvalidCombination);
    active_ = next;
    if (journal_)
        journal_->Applied(journalTag_, "APLY");
    return Answer::Data({});
}

void ControllerModel::FrontPanelReset() {
    active_ = LinkConfig::Standard();
    active_.ToParameters(base_);
    exit_ = {kAddressFollows, static_cast<std::uint8_t>(active_.address >> 8),
             static_cast<std::uint8_t>(active_.address & 0xFF)};
    changed_ = true;
}

Answer ControllerModel::Attributes(const std::vector<std::uint8_t>& request) {
    if (request.size() != 2 && request.size() != 4)
        return Answer::Error(NetworkErrors::kDataSize);
    const std::size_t n = request.size();
    const auto hash = static_cast<std::uint16_t>(request[n - 2] << 8 | request[n - 1]);
    if (!base_.KnowsHash(hash))
        return Answer::Error(NetworkErrors::kNoDescriptor);
    if (base_.IsIndexed(hash) != (n == 4))
        return Answer::Error(NetworkErrors::kDataSize);
    const SimParameter* p = base_.Find(hash, n == 4 ? request[1] : 0);
    if (!p)
        return Answer::Error(NetworkErrors::kIndexBeyond);
    std::vector<std::uint8_t> data{p->attributeBits};
    data.insert(data.end(), request.begin(), request.end());
    return Answer::Data(std::move(data));
}
