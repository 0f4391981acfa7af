#include "sim/Simulator.h"

bool Simulator::Start(const Options& options, std::string& error) {
    std::lock_guard lock(mutex_);
    if (!base_.Load(options.basePath, error))
        return false;
    if (!options.statePath.empty()) {
        state_ = std::make_unique<StateFile>(options.statePath);
        if (!state_->Load(base_, error))
            return false;
    }
    if (options.link)
        options.link->ToParameters(base_);
    if (!options.journalPath.empty() && !journal_.Open(options.journalPath, error))
        return false;
    model_ = std::make_unique<ControllerModel>(base_, options.model, Clock::now());
    model_->SetJournal(&journal_);
    model_->SetMenu(options.menu);
    handler_ = std::make_unique<RequestHandler>(base_, *model_);
    faults_ = std::make_unique<FaultInjector>(options.seed);
    faults_->Set(options.faults);
    return true;
}

FaultInjector::Outcome Simulator::Receive(std::string_view text) {
    std::lock_guard lock(mutex_);
    FaultInjector::Outcome out = faults_->Apply(handler_->Handle(text, Clock::now()));
    if (out.hangUp)
        lineUp_ = false;
    SaveIfChanged();
    return out;
}

void Simulator::SaveIfChanged() {
    if (!model_->TakeChanged() || !state_)
        return;
    std::string error;
    if (!state_->Save(base_, error) && log_)
        log_("не удалось сохранить состояние: " + error);
}

void Simulator::FrontPanelReset() {
    std::lock_guard lock(mutex_);
    model_->FrontPanelReset();
    SaveIfChanged();
}

void Simulator::SetMenu(bool on) {
    std::lock_guard lock(mutex_);
    model_->SetMenu(on);
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
    return model_->ActiveLink();
}

int Simulator::Modification() const {
    std::lock_guard lock(mutex_);
    return model_->Modification();
}

bool Simulator::Busy() const {
    std::lock_guard lock(mutex_);
    return model_->Busy(Clock::now());
}

std::optional<Simulator::Clock::time_point> Simulator::WakeAt() const {
    std::lock_guard lock(mutex_);
    return model_->BusyUntil();
}

void Simulator::Settle() {
    std::lock_guard lock(mutex_);
    model_->Settle(Clock::now());
    SaveIfChanged();
}

bool Simulator::Value(const std::string& name, int index, std::string& value) const {
    std::lock_guard lock(mutex_);
    const SimParameter* p = base_.Find(name, index);
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
