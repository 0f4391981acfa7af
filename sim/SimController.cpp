#include "sim/SimController.h"

bool SimController::Start(const Options& options, Journal& journal,
                          const std::string& journalTag, std::string& error) {
    if (!base_.Load(options.basePath, error))
        return false;
    if (!options.statePath.empty()) {
        state_ = std::make_unique<StateFile>(options.statePath);
        if (!state_->Load(base_, error))
            return false;
    }
    if (options.link)
        options.link->ToParameters(base_);
    model_ = std::make_unique<ControllerModel>(base_, options.model, Clock::now());
    model_->SetJournal(&journal, journalTag);
    model_->SetMenu(options.menu);
    handler_ = std::make_unique<RequestHandler>(base_, *model_);
    return true;
}

std::optional<RequestHandler::Reply> SimController::Handle(std::string_view text,
                                                           const LineState* line,
                                                           Clock::time_point now) {
    if (line && !Hears(*line))
        return std::nullopt;
    return handler_->Handle(text, now);
}

bool SimController::Hears(const LineState& line) const {
    return LineProbe::Matches(line, model_->ActiveLink());
}

bool SimController::SaveIfChanged(std::string& error) {
    if (!model_->TakeChanged() || !state_)
        return true;
    return state_->Save(base_, error);
}
