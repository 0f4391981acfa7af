#pragma once
// A parameter description as a base could hold it: one of the formats (or
// any text), one of the names the converter treats specially, decimals and
// limits as a damaged record may carry them.

#include "params/MyConverter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <iterator>

inline void FillDescription(FuzzedDataProvider& in, MyConverter& p) {
    static const char* const kFormats[] = {
        "STORED_DOT", "DEC_dot", "CLK_frm", "string", "ASCI", "name", "stored_dot",
        "Выключен:Включен", "Нет:_Да:<hide>Авто", "a:b:c:d:e:f:g:h:i:j:k:l:m:n:o:p:q",
        "DEC_dot:x", ":", "", "неизвестен",
    };
    static const char* const kNames[] = {
        "SP",    "dev",   "ver",   "exit",  "APLY",  "bPS",   "LEn",   "PrtY", "Sbit",
        "A.Len", "Addr",  "rEAd",  "r.CAL", "rd.rg", "Set.P", "r.OUt", "r.kEY", "r.PrG",
        "r.StP", "r.St",  "i.min", "i.upr", "del",   "hys.c", "hold",  "mod.v", "nAME",
    };
    const std::size_t format = in.ConsumeIntegralInRange<std::size_t>(0, std::size(kFormats));
    p.format = format < std::size(kFormats) ? kFormats[format] : in.ConsumeRandomLengthString(48);
    p.name = kNames[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
    p.decimals = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 6) : in.ConsumeIntegral<int>();
    if (in.ConsumeBool()) {
        p.lower = in.ConsumeFloatingPointInRange(-kMaxLimitMagnitude, kMaxLimitMagnitude);
        p.upper = in.ConsumeFloatingPointInRange(-kMaxLimitMagnitude, kMaxLimitMagnitude);
    }
}
