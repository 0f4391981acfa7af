#pragma once
// One controller parameter: its value text, its description from the
// parameter base and the flags of its exchange with the device.

#include "link/ExchangeResult.h"
#include "params/MyConverter.h"
#include "util/Prompter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ParameterTable;

inline constexpr const char* kUnknownCaption = "<неизвестный параметр>";
// Message texts that HasErrors does not count as failures: kNotInitialisedNote and
inline constexpr const char* kDeviceValueNote = "Знач-е в приборе:";

class Parameter : public MyConverter {
public:
    explicit Parameter(std::string name = {});

    std::string caption = kUnknownCaption;
    std::string displayName;     // a page's more specific title; empty: the caption
    bool indexed = false;        // exists once per index; the index travels in requests
    bool changed = false; // changed locally, not yet written
    std::string message; // last failure or notice, shown by the callers
    ExchangeResult exchange; // how the last exchange about it ended
    int attributeStep = 0; // 0: no attribute exchange
    int addressOffset = 0; // added to the device address; -1: broadcast
    int index = 0;
    std::string defaultValue;
    bool checkBeforeWrite = false;
    std::vector<std::uint8_t> choiceMasks; // one per choice, see IsChoiceAllowed
    // The table that owns this parameter, for the limit coupling; null when
    // the parameter stands alone.
    ParameterTable* table = nullptr;

    void Reset();
    // Keeps how an exchange ended, with its text as the message.
    void Record(ExchangeResult result) {
        exchange = std::move(result);
        message = ExchangeText(exchange);
    }
    const std::string& DisplayName() const;

    // Typed text (fromDevice false) is checked against the format and limits
    // and stored with the change flag; false leaves value and flags as they
    // were. fromDevice true: the text is already the value, only the limits
    // of the "i.min"/"i.upr" pair follow it. What the operator should be
    // told (a rounded value, a missing partner) is added to notices, if
    // given; the caller decides how to show it.
    virtual bool SetValue(const std::string& text, bool fromDevice,
                          std::vector<Prompt>* notices = nullptr);

    // Name, then value text.
    void Store(std::string& out) const;
    // kArchiveOk, or kArchiveTruncated with the parameter unchanged.
    int Load(std::string_view in, std::size_t& pos);

private:
    void CoupleLimits(const std::string& text, std::vector<Prompt>* notices) const;
};
