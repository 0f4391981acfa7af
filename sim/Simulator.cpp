#include "sim/Simulator.h"

#include <algorithm>

bool Simulator::Start(const Options& options, std::string& error) {
    std::lock_guard lock(mutex_);
    if (!options.journalPath.empty() && !journal_.Open(options.journalPath, error))
        return false;
    const bool several = options.addresses.size() > 1;
    for (std::size_t i = 0; i < (several ? options.addresses.size() : 1); ++i) {
        SimController::Options one{options.basePath, options.statePath, options.model,
                                   options.link, options.menu};
        std::string tag;
        if (several) {
            const int address = options.addresses[i];
            one.link = options.link.value_or(LinkConfig::Standard());
            one.link->address = address;
            if (!one.statePath.empty())
                one.statePath += "." + std::to_string(address);
            tag = std::to_string(address) + ": ";
        }
        auto controller = std::make_unique<SimController>();
        if (!controller->Start(one, journal_, tag, error))
            return false;
        addresses_.push_back(controller->Model().ActiveLink().address);
        controllers_.push_back(std::move(controller));
    }
    faults_ = std::make_unique<FaultInjector>(options.seed);
    faults_->Set(options.faults);
    return true;
}

FaultInjector::Outcome Simulator::Receive(std::string_view text, const LineState* line) {
    std::lock_guard lock(mutex_);
    const Clock::time_point now = Clock::now();
    std::vector<RequestHandler::Reply> replies;
    for (const auto& c : controllers_)
        if (std::optional<RequestHandler::Reply> reply = c->Handle(text, line, now))
            replies.push_back(std::move(*reply));
    FaultInjector::Outcome out = faults_->Apply(replies);
    if (out.hangUp)
        lineUp_ = false;
    SaveIfChanged();
    return out;
}

bool Simulator::Hears(const LineState& line) const {
    std::lock_guard lock(mutex_);
    return std::any_of(controllers_.begin(), controllers_.end(),
                       [&line](const auto& c) { return c->Hears(line); });
}

void Simulator::SaveIfChanged() {
    for (const auto& c : controllers_) {
        std::string error;
        if (!c->SaveIfChanged(error) && log_)
            log_("не удалось сохранить состояние: " + error);
    }
}

void Simulator::FrontPanelReset() {
    std::lock_guard lock(mutex_);
    for (const auto& c : controllers_)
        c->Model().FrontPanelReset();
    SaveIfChanged();
}

void Simulator::SetMenu(bool on) {
    std::lock_guard lock(mutex_);
    for (const auto& c : controllers_)
        c->Model().SetMenu(on);
}

void Simulator::SetFaults(const FaultSettings& faults) {
    std::lock_guard lock(mutex_);
    faults_->Set(faults);
}

FaultSettings Simulator::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_->Settings();
}

void Simulator::SetLineUp(bool up) {
    {
        std::lock_guard lock(mutex_);
        lineUp_ = up;
    }
    Wake();
}

bool Simulator::LineUp() const {
    std::lock_guard lock(mutex_);
    return lineUp_;
}

LinkConfig Simulator::ActiveLink() const {
    std::lock_guard lock(mutex_);
    return First().ActiveLink();
}

int Simulator::Modification() const {
    std::lock_guard lock(mutex_);
    return First().Modification();
}

bool Simulator::Busy() const {
    std::lock_guard lock(mutex_);
    const Clock::time_point now = Clock::now();
    return std::any_of(controllers_.begin(), controllers_.end(),
                       [now](const auto& c) { return c->Model().Busy(now); });
}

std::optional<Simulator::Clock::time_point> Simulator::WakeAt() const {
    std::lock_guard lock(mutex_);
    std::optional<Clock::time_point> first;
    for (const auto& c : controllers_)
        if (const std::optional<Clock::time_point> at = c->Model().BusyUntil())
            first = first ? std::min(*first, *at) : *at;
    return first;
}

void Simulator::Settle() {
    std::lock_guard lock(mutex_);
    const Clock::time_point now = Clock::now();
    for (const auto& c : controllers_)
        c->Model().Settle(now);
    SaveIfChanged();
}

bool Simulator::Value(const std::string& name, int index, std::string& value) const {
    std::lock_guard lock(mutex_);
    return ValueOf(0, name, index, value);
}

bool Simulator::ValueAt(int address, const std::string& name, int index,
                        std::string& value) const {
    std::lock_guard lock(mutex_);
    const auto at = std::find(addresses_.begin(), addresses_.end(), address);
    return at != addresses_.end() &&
           ValueOf(static_cast<std::size_t>(at - addresses_.begin()), name, index, value);
}

bool Simulator::ValueOf(std::size_t controller, const std::string& name, int index,
                        std::string& value) const {
    const SimParameter* p = controllers_[controller]->Base().Find(name, index);
    if (p)
        value = p->param.value;
    return p != nullptr;
}

std::vector<std::string> Simulator::JournalLines() const {
    std::lock_guard lock(mutex_);
    return journal_.Lines();
}

void Simulator::SetLog(Log log) {
    std::lock_guard lock(mutex_);
    log_ = std::move(log);
}

void Simulator::SetWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

void Simulator::Wake() {
    std::function<void()> waker;
    {
        std::lock_guard lock(mutex_);
        waker = waker_;
    }
    if (waker)
        waker();
}
