#include "link/ExchangeResult.h"

#include "link/DeviceErrorTexts.h"
#include "link/FrameCodec.h"

ExchangeOutcome ExchangeResult::outcome() const {
    switch (cause) {
    case ExchangeCause::None:
        return ExchangeOutcome::Answered;
    case ExchangeCause::TimedOut:
        return ExchangeOutcome::NoReply;
    case ExchangeCause::LineErrors:
    case ExchangeCause::LostStarts:
    case ExchangeCause::BadChecksum:
    case ExchangeCause::Undecodable:
    case ExchangeCause::AttributeSize:
        return ExchangeOutcome::Garbled;
    case ExchangeCause::ForeignReply:
        return ExchangeOutcome::Foreign;
    case ExchangeCause::DeviceError:
        return ExchangeOutcome::Refused;
    case ExchangeCause::DeviceGone:
        return ExchangeOutcome::PortGone;
    case ExchangeCause::Exit:
        return ExchangeOutcome::Aborted;
    default:
        return ExchangeOutcome::NotAttempted;
    }
}

bool ExchangeResult::lost() const {
    const ExchangeOutcome o = outcome();
    return o == ExchangeOutcome::NoReply || o == ExchangeOutcome::Garbled ||
           o == ExchangeOutcome::Foreign;
}

namespace {

std::string RefusalText(int code) {
    std::string text;
    if (code == ExchangeResult::kNoCode ||
        network_error_text(static_cast<std::uint8_t>(code), 1, text) == 0)
        return "Прибор сообщил об ошибке, не указав её код";
    return text;
}

} // namespace

std::string ExchangeText(const ExchangeResult& r) {
    switch (r.cause) {
    case ExchangeCause::None:
    case ExchangeCause::Exit:
    case ExchangeCause::NegativeIndex:
        return {};
    case ExchangeCause::TimedOut:
        return "Таймаут при передаче данных (нет связи)";
    case ExchangeCause::LineErrors:
        return "Неверны настройки порта.";
    case ExchangeCause::LostStarts:
        return "Потеря начала посылки.";
    case ExchangeCause::BadChecksum:
        return kReplyChecksumText;
    case ExchangeCause::Undecodable:
        return "Не могу раскодировать ответ";
    case ExchangeCause::AttributeSize:
        return "Ошибка атрибутов; размер ответа не совпадает с ожидаемым.\n";
    case ExchangeCause::ForeignReply:
        return "Пришла посылка с кодом команды, отличным от посланной и от n.Err.\n";
    case ExchangeCause::DeviceError:
        return RefusalText(r.code);
    case ExchangeCause::DeviceGone:
    case ExchangeCause::PortOpenFailed:
        return r.detail;
    case ExchangeCause::PortNotOpen:
        return "Ошибка открытия порта";
    case ExchangeCause::NotRead:
        return kNotInitialisedNote;
    case ExchangeCause::BadValue:
        return r.detail.empty() ? "Неверное значение (неудается закодировать данные)" : r.detail;
    case ExchangeCause::NoEncoder:
        return "Метод формирования посылки записи для команды '" + r.detail + "' не определен.";
    case ExchangeCause::FrameTooLong:
        return "Не могу зашифровать посылку (ф-я encode_buffer)";
    case ExchangeCause::AddressOutOfRange:
        return "Адрес посылки вне диапазона адресов сети";
    case ExchangeCause::BadAttributeStep:
        return "Неверный шаг атрибутов параметра в базе";
    }
    return {};
}
