#include "shell/WorkerRegistry.h"

#include <algorithm>

void WorkerRegistry::Register(QThread* worker) {
    if (worker && std::find(workers.begin(), workers.end(), worker) == workers.end())
        workers.emplace_back(worker);
}
