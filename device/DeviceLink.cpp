#include "device/DeviceLink.h"

#include "link/DeviceErrorTexts.h"
#include "device/ExchangeLogText.h"
#include "link/FrameCodec.h"
#include "util/ProgramDirectory.h"
#include "util/Prompter.h"
#include "params/ParameterBaseLoader.h"
#include "util/NumberText.h"

#include <cstring>

namespace {

// A lone time-out or garbled reply may be noise; the fourth in a row means
// nobody answers.
constexpr int kLostReplyRetries = 3;
constexpr int kLineErrorRetries = 16;
constexpr int kLostStartRetries = 15;

constexpr const char* kAttributeName = "M.s.t.r.";
constexpr int kHighestShortAddress = 255;
constexpr int kHighestLongAddress = 2047;

int NumberOf(const std::string& text) {
    long long value = 0;
    ReadInteger(text, value);
    return int(value);
}

bool fail(int code, ExchangeResult outcome, ExchangeResult& result, int& resultCode) {
    result = std::move(outcome);
    resultCode = code;
    return true;
}

// Said when the port cannot be opened, with the cause where the port knows it.
std::string PortOpenFailureText(const SerialPort& port) {
    std::string text = "Неудается открыть порт " + port.settings().port_name +
                       ". Связь с сетью отсутствует. Проверьте сетевые параметры";
    if (!port.error_text().empty())
        text += "\n\n" + port.error_text();
    return text;
}

// Copies the reply's data out and says whether it answers the request.
int TakeReply(const Frame& frame, std::uint16_t hash, std::uint8_t* out_data,
              std::uint8_t& out_length, ExchangeResult& result) {
    out_length = std::uint8_t(frame.data.size());
    if (!frame.data.empty())
        std::memcpy(out_data, frame.data.data(), frame.data.size());
    if (frame.hash == hash)
        return kLinkOk;
    if (frame.hash == kErrorReplyHash) {
        result = ExchangeResult::RefusedWith(
            out_length > 0 ? static_cast<std::int8_t>(out_data[0]) : ExchangeResult::kNoCode);
        return kLinkError;
    }
    result = ExchangeResult::Of(ExchangeCause::ForeignReply);
    return kLinkError;
}

} // namespace

DeviceLink::DeviceLink() = default;

DeviceLink::~DeviceLink() {
    // A port that was never opened is no driver failure.
    if (port.is_open() && port.close() != 0)
        ShowMessage("Ошибка драйвера последовательного порта", "Ошибка", PromptIcon::Error);
}

int DeviceLink::frame_address(int address_offset) const {
    if (address_offset == kBroadcastOffset)
        return kBroadcastAddress;
    // Wide enough for any offset a damaged base may hold.
    const long long address = static_cast<long long>(port.device_address()) + address_offset;
    const int highest = port.address_length() == kLongAddressLength ? kHighestLongAddress
                                                                     : kHighestShortAddress;
    return address >= 0 && address <= highest ? static_cast<int>(address) : -1;
}

int DeviceLink::exchange_frame(int request, std::uint16_t hash, const std::uint8_t* data,
                               int length, std::uint8_t* out_data, std::uint8_t& out_length,
                               ExchangeResult& result, int address_offset) {
    out_length = 0;
    out_data[0] = 0;
    result = {};
    Frame frame;
    frame.address = frame_address(address_offset);
    // Cut to the address bits it would reach another device.
    if (frame.address < 0) {
        result = ExchangeResult::Of(ExchangeCause::AddressOutOfRange);
        return kLinkNothing;
    }
    frame.request = request == kRead;
    frame.hash = hash;
    if (length > 0)
        frame.data.assign(data, data + length);
    const std::string chars =
        length < 0 ? std::string() : encode_frame(frame, port.address_length());
    if (chars.empty()) {
        result = ExchangeResult::Of(ExchangeCause::FrameTooLong);
        return kLinkNothing;
    }
    PortReply reply;
    int last = kLinkOk;
    if (transfer_loop(chars, reply, result, last))
        return last;
    // Without a whole frame here the exit cut the loop short, or a lone '#' came.
    if (!reply.frame) {
        result = ExchangeResult::Of(ExchangeCause::Exit);
        return kLinkNothing;
    }
    const int parsed = TakeReply(*reply.frame, hash, out_data, out_length, result);
    return parsed != kLinkOk ? parsed : last;
}

// True when the exchange has failed for good (result and code set);
// false with the code of the transfer that ended the loop.
bool DeviceLink::transfer_loop(const std::string& request, PortReply& reply,
                               ExchangeResult& result, int& code) {
    int lostReplies = 0, lineErrors = 0, lostStarts = 0;
    bool foreign = false;
    std::lock_guard<std::mutex> guard(lock);
    AbortEvent& exitEvent = port.exit_event();
    // The operator plugged the adapter back in and tries again.
    if (lost && !exitEvent.is_set() && !port.is_open()) {
        if (port.open() != 0)
            return fail(kLinkNothing, {ExchangeCause::PortOpenFailed, ExchangeResult::kNoCode,
                                       PortOpenFailureText(port)},
                        result, code);
        lost = false;
    }
    while (!exitEvent.is_set()) {
        trace(">>", request);
        code = port.transfer(request.data(), request.size(), reply);
        trace("<<", reply.text);
        if (code == SerialPort::kTimedOut) {
            // Only replies about other requests came: the line is alive.
            foreign = foreign || port.foreign_dropped();
            if (lostReplies++ == kLostReplyRetries)
                return foreign ? fail(kLinkError, ExchangeResult::Of(ExchangeCause::ForeignReply),
                                      result, code)
                               : fail(kLinkNoReply, ExchangeResult::Of(ExchangeCause::TimedOut),
                                      result, code);
        } else if (code == SerialPort::kDone && reply.text.size() >= 2 && !reply.frame) {
            // A garbled reply is lost like one that never came.
            if (lostReplies++ == kLostReplyRetries)
                return fail(kLinkError, ExchangeResult::Of(ExchangeCause::BadChecksum), result,
                            code);
        } else if (code == SerialPort::kLineError) {
            if (lineErrors++ == kLineErrorRetries)
                return fail(kLinkError, ExchangeResult::Of(ExchangeCause::LineErrors), result,
                            code);
        } else if (code == SerialPort::kNotOpen) {
            return fail(kLinkNothing, ExchangeResult::Of(ExchangeCause::PortNotOpen), result,
                        code);
        } else if (code == SerialPort::kDeviceGone) {
            // Retrying a vanished adapter only keeps the operator waiting.
            lost = true;
            return fail(kLinkError,
                        ExchangeResult::Of(ExchangeCause::DeviceGone, PortOpenFailureText(port)),
                        result, code);
        } else if (reply.text.size() >= 2 || (!reply.text.empty() && reply.text[0] == '#')) {
            break;
        } else if (lostStarts++ == kLostStartRetries) {
            return fail(kLinkError, ExchangeResult::Of(ExchangeCause::LostStarts), result, code);
        }
    }
    return false;
}

void DeviceLink::trace(const char* direction, const std::string& frame) const {
    if (!frameTrace)
        return;
    std::string shown = frame;
    if (!shown.empty() && shown.back() == '\r')
        shown.pop_back();
    frameTrace(std::string(direction) + " " + shown);
}

int DeviceLink::exchange_parameter(int request, Parameter& p, ExchangeLog* log) {
    ExchangeResult result;
    const int code = exchange(request, p, log, result);
    p.Record(std::move(result));
    return code;
}

int DeviceLink::exchange(int request, Parameter& p, ExchangeLog* log, ExchangeResult& result) {
    if (!port.is_open() && !lost) {
        result = ExchangeResult::Of(ExchangeCause::PortNotOpen);
        return kLinkNothing;
    }
    if (p.attributeStep < 0) {
        result = ExchangeResult::Of(ExchangeCause::BadAttributeStep);
        return kLinkError;
    }
    if (p.index < 0) {
        result = ExchangeResult::Of(ExchangeCause::NegativeIndex);
        return kLinkNegativeIndex;
    }
    std::uint8_t data[kMaxFrameData + 2] = {};
    int length = 0;
    if (request == kWrite) {
        const int encoded = encode_value(p, data, length, log, result);
        if (encoded != kLinkOk)
            return encoded;
    }
    if (p.indexed) {
        data[length++] = std::uint8_t(p.index >> 8);
        data[length++] = std::uint8_t(p.index);
    }
    if (log)
        LogRequestBytes(data, length, *log);
    std::uint8_t reply[256];
    std::uint8_t replyLength = 0;
    int r = exchange_frame(request, hash_name(p.name), data, length, reply, replyLength, result,
                           p.addressOffset);
    if (r != kLinkOk)
        return r;
    if (log)
        LogReplyBytes(reply, replyLength, *log);
    if (p.ConvertFromData(reply, replyLength) == 0) {
        result = ExchangeResult::Of(ExchangeCause::Undecodable);
        p.value.clear();
        return kLinkNothing;
    }
    if (p.attributeStep != 0 && p.index % p.attributeStep == 0) {
        r = exchange_attributes(p, reply, result);
        if (r != kLinkOk)
            return r;
    }
    if (request == kWrite)
        p.changed = false;
    return kLinkOk;
}

// A value that cannot be encoded is never sent: an empty or partial data
// field would make the device store something the operator did not enter.
int DeviceLink::encode_value(Parameter& p, std::uint8_t* data, int& length, ExchangeLog* log,
                             ExchangeResult& result) const {
    std::string reason;
    const int answer = p.ConvertToData(p.value, data, length, &reason);
    int code = kLinkOk;
    if (answer == -1) {
        result = ExchangeResult::Of(ExchangeCause::NoEncoder, p.name);
        code = kLinkError;
    } else if (answer == 0) {
        result = ExchangeResult::Of(ExchangeCause::BadValue);
        code = kLinkBadValue;
    } else if (answer != 1 && log) {
        log->push_back("Предупреждение: странный ответ от ConvertToData(...)");
    }
    // The index bytes must still fit behind the value.
    if (code == kLinkOk && p.indexed && length > kMaxFrameData - 2) {
        result = ExchangeResult::Of(ExchangeCause::FrameTooLong);
        code = kLinkError;
    }
    if (code == kLinkOk)
        return kLinkOk;
    if (log)
        log->push_back(ExchangeText(result));
    // The format's own reason tells the operator more than the generic text.
    if (!reason.empty())
        result = ExchangeResult::Of(ExchangeCause::BadValue, reason);
    return code;
}

int DeviceLink::exchange_attributes(Parameter& p, std::uint8_t* reply, ExchangeResult& result) {
    std::uint8_t data[4];
    int length = 0;
    if (p.indexed) {
        data[length++] = 0;
        data[length++] = std::uint8_t(p.index);
    }
    const std::uint16_t hash = hash_name(p.name);
    data[length++] = std::uint8_t(hash >> 8);
    data[length++] = std::uint8_t(hash);
    std::uint8_t replyLength = 0;
    if (exchange_frame(kRead, hash_name(kAttributeName), data, length, reply, replyLength, result,
                       p.addressOffset) != kLinkOk)
        return kAttributeFailed;
    if (replyLength != (p.indexed ? 5 : 3)) {
        result = ExchangeResult::Of(ExchangeCause::AttributeSize);
        return kAttributeWrongSize;
    }
    return kLinkOk;
}

int DeviceLink::LoadBase() {
    return LoadParameterBase(table, "parameters_m.zip", DataDirectory());
}

void DeviceLink::configure_port() {
    LineSettings& line = port.settings();
    line.port_name = settings.GetValueByName(kPortName);
    line.baud_rate = std::uint32_t(NumberOf(settings.GetValueByName(kBaudName)));
    port.set_device_address(NumberOf(settings.GetValueByName(kAddressName)));
    port.set_address_length(NumberOf(settings.GetValueByName(kAddressLengthName)));
    line.byte_size = NumberOf(settings.GetValueByName(kByteSizeName));
    line.stop_bits = NumberOf(settings.GetValueByName(kStopBitsName));
    // Another text keeps the code the port has.
    if (const ParityNames* parity = ParityOfText(settings.GetValueByName(kParityName)))
        line.parity_code = parity->code;
    for (Parameter* p : settings.Parameters())
        p->changed = false;
    state->SettingsChanged = false;
}

int DeviceLink::open_port() {
    port.close();
    configure_port();
    const int result = port.open();
    lost = false;
    if (result != 0) {
        Prompt prompt;
        // The cause, where the port knows it, tells the operator what to do.
        prompt.text = PortOpenFailureText(port);
        prompt.caption = "Ошибка драйвера последовательного порта";
        prompt.topmost = true;
        ActivePrompter().ask(prompt);
    }
    return result;
}
