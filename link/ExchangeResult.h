#pragma once
// How one exchange with the controller ended, as a value: what the callers
// decide on (ask again, stop, name a refusal). The operator's text is made
// from it in one place, ExchangeText.

#include <climits>
#include <string>

// The seven ways an exchange ends; see HACKING.md for what each means to a caller.
enum class ExchangeOutcome {
    Answered,     //!< a reply to this request arrived and was taken
    NoReply,      //!< nothing came within the time-outs
    Garbled,      //!< something came but could not be read: checksum, length, alphabet, line errors
    Foreign,      //!< only replies about another request (another name hash or address)
    Refused,      //!< the controller's error reply; its code is in ExchangeResult::code
    PortGone,     //!< the port's device vanished (an adapter pulled out)
    Aborted,      //!< the exit cut the exchange short
    NotAttempted, //!< nothing was sent: no port, value never read or not encodable, bad index
};

// The cause within an outcome, for the text.
enum class ExchangeCause {
    None,
    TimedOut,          // NoReply
    LineErrors,        // Garbled: line errors on every attempt
    LostStarts,        // Garbled: replies without their start
    BadChecksum,       // Garbled: checksum, length or alphabet
    Undecodable,       // Garbled: the data do not fit the parameter's format
    AttributeSize,     // Garbled: the attribute reply has the wrong size
    ForeignReply,      // Foreign
    DeviceError,       // Refused
    DeviceGone,        // PortGone; detail says which port
    Exit,              // Aborted
    PortNotOpen,       // NotAttempted
    PortOpenFailed,    // NotAttempted; detail says why
    NotRead,           // NotAttempted: the value is "Нет данных"
    BadValue,          // NotAttempted; detail: the format's reason, if any
    NoEncoder,         // NotAttempted; detail: the parameter's name
    FrameTooLong,      // NotAttempted
    AddressOutOfRange, // NotAttempted
    BadAttributeStep,  // NotAttempted
    NegativeIndex,     // NotAttempted
};

// Message text of a write refused before it was sent: the value was never read.
inline constexpr const char* kNotInitialisedNote =
    "Значение не записанно, так как параметер не инициализирован";

struct ExchangeResult {
    //! An error reply without its code byte.
    static constexpr int kNoCode = INT_MIN;

    ExchangeCause cause = ExchangeCause::None;
    int code = kNoCode; //!< Refused: the controller's error code, signed
    std::string detail; //!< the port's own words, a format's reason or a name

    static ExchangeResult Of(ExchangeCause cause, std::string detail = {}) {
        return {cause, kNoCode, std::move(detail)};
    }
    static ExchangeResult RefusedWith(int code) { return {ExchangeCause::DeviceError, code, {}}; }

    ExchangeOutcome outcome() const;
    bool answered() const { return cause == ExchangeCause::None; }
    // Says nothing of what the controller did: the same request may go again.
    bool lost() const;
    bool refusedWith(int errorCode) const {
        return cause == ExchangeCause::DeviceError && code == errorCode;
    }
};

// The operator's text; empty for an answer, an abort and a negative index.
std::string ExchangeText(const ExchangeResult& result);
