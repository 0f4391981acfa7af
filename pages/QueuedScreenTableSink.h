#pragma once
// Carries a screen read's findings from the page's worker to a sink on the
// GUI thread, each call as a queued call, dropped once the page has moved on
// to another screen (or is gone).

#include "config/ScreenTableSink.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QueuedScreenTableSink : public ScreenTableSink {
public:
    // current: asked on the GUI thread before each call is delivered.
    QueuedScreenTableSink(QObject* receiver, ScreenTableSink& target, std::function<bool()> current)
        : receiver(receiver), target(target), current(std::move(current)) {}

    void SelectorFilled(const std::vector<std::string>& entries, int selection) override;
    void SquareRootRead(int answer) override;
    void RowsCleared() override;
    void RowAdded(int row, const std::string& description, Parameter* parameter,
                  bool deferred) override;
    void RowRead(int row, const std::string& value) override;
    void TableRead(const std::vector<ScreenRow>& rows, bool selected) override;

private:
    void Post(std::function<void(ScreenTableSink&)> call);

    QPointer<QObject> receiver;
    ScreenTableSink& target;
    std::function<bool()> current;
};
