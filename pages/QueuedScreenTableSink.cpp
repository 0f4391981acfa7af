#include "pages/QueuedScreenTableSink.h"

void QueuedScreenTableSink::Post(std::function<void(ScreenTableSink&)> call) {
    QObject* to = receiver.data();
    if (to == nullptr)
        return;
    // The target lives as long as the receiver, which the queued call needs.
    ScreenTableSink* sink = &target;
    std::function<bool()> stillCurrent = current;
    QMetaObject::invokeMethod(
        to,
        [sink, stillCurrent, call = std::move(call)] {
            if (stillCurrent())
                call(*sink);
        },
        Qt::QueuedConnection);
}

void QueuedScreenTableSink::SelectorFilled(const std::vector<std::string>& entries, int selection) {
    Post([entries, selection](ScreenTableSink& s) { s.SelectorFilled(entries, selection); });
}

void QueuedScreenTableSink::SquareRootRead(int answer) {
    Post([answer](ScreenTableSink& s) { s.SquareRootRead(answer); });
}

void QueuedScreenTableSink::RowsCleared() {
    Post([](ScreenTableSink& s) { s.RowsCleared(); });
}

void QueuedScreenTableSink::RowAdded(int row, const std::string& description, Parameter* parameter,
                                     bool deferred) {
    Post([=](ScreenTableSink& s) { s.RowAdded(row, description, parameter, deferred); });
}

void QueuedScreenTableSink::RowRead(int row, const std::string& value) {
    Post([row, value](ScreenTableSink& s) { s.RowRead(row, value); });
}

void QueuedScreenTableSink::TableRead(const std::vector<ScreenRow>& rows, bool selected) {
    Post([rows, selected](ScreenTableSink& s) { s.TableRead(rows, selected); });
}
