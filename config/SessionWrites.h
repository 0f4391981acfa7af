#pragma once
// What a wizard session wrote to the controller, in order, each with the
// value the controller held before: the last value read or written for it.

#include "config/CommissioningReport.h"
#include "device/ExchangeObserver.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

class SessionWrites : public ExchangeObserver {
public:
    void Read(const Parameter& p) override;
    void Written(const Parameter& p) override;
    std::vector<ReportWrite> Writes() const;

private:
    mutable std::mutex mutex;
    std::map<std::string, std::string> known; // key -> the controller's value
    std::vector<ReportWrite> writes;
};
