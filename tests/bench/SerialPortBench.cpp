// Software cost of one exchange over a pseudo-terminal (no wire time at all)
// next to the wire time the same exchange takes at 115200 baud.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <string>

#include "PtyPeer.h"
#include "TempDir.h"
#include "link/SerialPort.h"

namespace {

const std::string kRequest = "#GHIJKLMNOPQR\r";               // a one-byte read
const std::string kReply = "#" + std::string(42, 'G') + "\r"; // the longest reply

double cpu_seconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_ExchangeOverPty(benchmark::State& state) {
    TempDir temp;
    ::setenv("ZRK640_CONFIG", temp.file("ZRK640.conf").c_str(), 1);
    PtyPeer peer;
    SerialPort port;
    port.settings().port_name = peer.port_path();
    port.settings().baud_rate = 115200;
    if (port.open() != 0) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    peer.script({}, kReply);
    peer.start();
    PortReply reply;
    const double cpu_start = cpu_seconds();
    const auto real_start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (port.transfer(kRequest.data(), kRequest.size(), reply) != SerialPort::kDone) {
            state.SkipWithError("exchange failed");
            return;
        }
        benchmark::DoNotOptimize(reply.text.data());
    }
    const double n = static_cast<double>(state.iterations());
    const double real_per_exchange =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - real_start).count() / n;
    // Both ends run in this process, so this is the peer's share too: an upper bound.
    const double cpu_per_exchange = (cpu_seconds() - cpu_start) / n;
    const double wire =
        std::chrono::duration<double>(port.timing().wire_time(kRequest.size() + kReply.size()))
            .count();
    state.counters["wire_us_115200"] = wire * 1e6;
    state.counters["overhead_us"] = real_per_exchange * 1e6;
    state.counters["overhead_of_wire"] = real_per_exchange / wire;
    state.counters["cpu_us"] = cpu_per_exchange * 1e6;
    state.counters["cpu_of_wire"] = cpu_per_exchange / wire;
}

BENCHMARK(BM_ExchangeOverPty)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
