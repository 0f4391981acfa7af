#include "sim/Measurements.h"

#include "params/ChoiceList.h"

#include <bit>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::uint8_t kComputingFault = 245;
constexpr std::uint8_t kComputingOff = 10; // its sub-code: the block is switched off
constexpr std::uint8_t kNotReady = 246;
constexpr std::uint8_t kSensorOff = 247;
constexpr std::uint8_t kNoSetpoint = 250;
constexpr int kCalOff = 9; // "cal.t" choice: the computing block is off
constexpr double kPeriodSeconds = 120.0;

Measurements::Bytes Status(std::uint8_t code, std::uint8_t sub = 0) { return {code, 0, 0, sub}; }

Measurements::Bytes Float(float v) {
    const auto bits = std::bit_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(bits >> 24), static_cast<std::uint8_t>(bits >> 16),
            static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits)};
}

} // namespace

bool Measurements::IsMeasurement(std::string_view name) {
    for (const char* m : {"rEAd", "r.CAL", "rd.rg", "Set.P", "r.OUt"})
        if (same_ignoring_latin_case(name, m))
            return true;
    return false;
}

float Measurements::Drift(int index, float middle, float swing, Clock::time_point now) const {
    const double t = std::chrono::duration<double>(now - start_).count();
    return middle + swing * static_cast<float>(std::sin(2 * M_PI * t / kPeriodSeconds + index));
}

int Measurements::Choice(const char* name, int index) {
    const SimParameter* p = base_.Find(name, index);
    return p ? find_choice(p->param.format, p->param.value) : -1;
}

float Measurements::Number(const char* name, int index) {
    const SimParameter* p = base_.Find(name, index);
    return p ? std::strtof(p->param.value.c_str(), nullptr) : 0.0f;
}

Measurements::Bytes Measurements::Value(std::string_view name, int index, Clock::time_point now) {
    const auto is = [&](const char* n) { return same_ignoring_latin_case(name, n); };
    if (is("rEAd"))
        return Choice("in-t", index) == 0 ? Status(kSensorOff) : Float(Drift(index, 20, 5, now));
    if (is("r.CAL"))
        return Choice("cal.t", 8 * index) == kCalOff ? Status(kComputingFault, kComputingOff)
                                                       : Float(Drift(index, 20, 5, now));
    const bool regulating = Choice("regl", index) == 1;
    if (is("Set.P"))
        return regulating ? Float(Number("Sp.lu", 3 * index)) : Status(kNoSetpoint);
    if (!regulating)
        return Status(kNotReady);
    return is("r.OUt") ? Float(Drift(index, 0.5f, 0.3f, now)) : Float(Drift(index, 20, 5, now));
}
