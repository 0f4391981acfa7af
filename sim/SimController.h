#pragma once
// One controller on the simulated line: its parameter values, its behaviour
// and its state file. Not thread-safe: the Simulator serialises every call.

#include "sim/ControllerModel.h"
#include "sim/LineProbe.h"
#include "sim/RequestHandler.h"
#include "sim/StateFile.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class SimController {
public:
    using Clock = std::chrono::steady_clock;

    struct Options {
        std::string basePath;
        std::string statePath; //!< empty: start from the base's values
        ControllerModel::Options model;
        std::optional<LinkConfig> link;
        bool menu = false;
    };

    // false with error when the base or the state file cannot be used.
    // Accepted writes go to journal, each line starting with journalTag.
    bool Start(const Options& options, Journal& journal, const std::string& journalTag,
               std::string& error);

    // The reply to one frame; none when the controller stays silent or, on a
    // probed line (line not null), hears only noise at another setting.
    std::optional<RequestHandler::Reply> Handle(std::string_view text, const LineState* line,
                                                Clock::time_point now);
    bool Hears(const LineState& line) const;
    // Stores the values when they changed; false with error when that failed.
    bool SaveIfChanged(std::string& error);

    ControllerModel& Model() { return *model_; }
    const ControllerModel& Model() const { return *model_; }
    const SimParameterBase& Base() const { return base_; }

private:
    SimParameterBase base_;
    std::unique_ptr<ControllerModel> model_;
    std::unique_ptr<RequestHandler> handler_;
    std::unique_ptr<StateFile> state_;
};
