#pragma once
// The pages' reader threads, so that the exit can wait for them. Pages keep
// owning their threads; a thread deleted meanwhile is simply skipped.

#include <QPointer>
#include <QThread>

#include <vector>

class WorkerRegistry {
public:
    // In the order the exit waits for them: parameter list, graph, service.
    void Register(QThread* worker);
    std::vector<QPointer<QThread>> Workers() const { return workers; }

private:
    std::vector<QPointer<QThread>> workers;
};
