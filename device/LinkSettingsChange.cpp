#include "device/LinkSettingsChange.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/NetRS485.h"
#include "params/NumberFormats.h"

namespace {

constexpr const char* kOldSettingsText = "Прибор работает с прежними параметрами связи.";
constexpr const char* kResetAdvice =
    "Верните прибору стандартные параметры связи сбросом с передней панели и подключитесь с "
    "ними: 9600 бит/с, 8 бит данных, без четности, 1 стоп-бит, адрес 16, 8-битный адрес.";

std::string Listed(const LinkSettingsChange::Settings& settings) {
    std::string text;
    for (const auto& [name, value] : settings)
        text += (text.empty() ? "" : ", ") + name + " = " + value;
    return text;
}

} // namespace

bool LinkSettingsChange::Answers() {
    Parameter probe(kAddressName);
    probe.format = kDecDotFormat;
    return ops.ReadParameter(&probe) == kLinkOk;
}

bool LinkSettingsChange::Confirm(std::vector<std::string>& report) {
    if (link.Port().is_open() && Answers())
        return true;
    report.push_back("Прибор не отвечает после применения параметров связи.");
    report.push_back(kResetAdvice);
    return false;
}

void LinkSettingsChange::UseProgramSettings(const Settings& settings) {
    for (const auto& [name, value] : settings)
        link.Settings().SetValueByName(name, value);
    link.open_port();
}

// The controller's stored settings must again be the ones it works with.
void LinkSettingsChange::WriteBack(const Settings& old, std::vector<std::string>& report) {
    NetRS485 device;
    device.BuildParameters();
    for (const auto& [name, value] : old) {
        Parameter* p = device.FindByName(name);
        p->value = value;
        if (ops.WriteParameter(p) != kLinkOk)
            report.push_back("Не удалось вернуть " + name + " = " + value + ": " + p->message);
    }
}

LinkChangeOutcome LinkSettingsChange::Run(const Settings& wanted,
                                          std::vector<std::string>& report) {
    NetRS485 device;
    device.BuildParameters();
    Settings old, changed, programOld;
    for (const auto& [name, value] : wanted) {
        Parameter* p = device.FindByName(name);
        if (!p) {
            report.push_back("Неизвестный параметр связи " + name);
            return LinkChangeOutcome::Refused;
        }
        if (ops.ReadParameter(p) != kLinkOk) {
            report.push_back("Прибор не ответил: " + p->message);
            return LinkChangeOutcome::NoAnswer;
        }
        Parameter check = *p;
        if (!check.SetValue(value, false)) {
            report.push_back("Недопустимое значение " + name + " = " + value);
            return LinkChangeOutcome::Refused;
        }
        if (check.value != p->value) {
            old[name] = p->value;
            changed[name] = check.value;
            programOld[name] = link.Settings().GetValueByName(name);
        }
    }
    if (changed.empty()) {
        report.push_back("Параметры связи прибора уже такие: ничего не записано.");
        return LinkChangeOutcome::Unchanged;
    }
    for (const auto& [name, value] : changed) {
        Parameter* p = device.FindByName(name);
        p->value = value;
        if (ops.WriteParameter(p) != kLinkOk) {
            // Unanswered, the value may have been stored: it is written back too.
            const bool refused = p->exchange.outcome() == ExchangeOutcome::Refused;
            report.push_back((refused ? "Прибор не принял " : "Нет ответа на запись ") + name +
                             " = " + value + ": " + p->message);
            auto end = old.find(name);
            WriteBack(Settings(old.begin(), refused ? end : std::next(end)), report);
            return LinkChangeOutcome::Refused;
        }
    }
    Parameter apply("APLY");
    apply.format = kDecDotFormat;
    apply.value.clear(); // a command: written without a value
    if (ops.WriteParameter(&apply) != kLinkOk) {
        if (apply.exchange.outcome() == ExchangeOutcome::Refused) {
            // The refusal came with the old settings, so they are still the active ones.
            report.push_back("Прибор не применил новые параметры связи (APLY): " + apply.message);
            WriteBack(old, report);
            report.push_back(kOldSettingsText);
            return LinkChangeOutcome::Refused;
        }
        // It may have applied them and answered with the new settings already.
        report.push_back("Нет ответа на APLY (" + apply.message +
                         "): прибор мог применить новые параметры связи.");
    } else {
        report.push_back("Прибор применил: " + Listed(changed));
    }
    return Verify(changed, programOld, old, report);
}

// Which settings the controller answers with after "APLY": only what it
// answered is claimed.
LinkChangeOutcome LinkSettingsChange::Verify(const Settings& changed, const Settings& programOld,
                                             const Settings& old,
                                             std::vector<std::string>& report) {
    UseProgramSettings(changed);
    if (link.Port().is_open() && Answers()) {
        report.push_back("Прибор отвечает с новыми параметрами связи.");
        return LinkChangeOutcome::Changed;
    }
    UseProgramSettings(programOld);
    if (link.Port().is_open() && Answers()) {
        WriteBack(old, report);
        report.push_back("Прибор не ответил с новыми параметрами связи; программа вернулась к "
                         "прежним, и прибор отвечает с ними.");
        report.push_back(kOldSettingsText);
        return LinkChangeOutcome::BackToOld;
    }
    report.push_back("Прибор не отвечает ни с новыми, ни с прежними параметрами связи; "
                     "программа вернулась к прежним.");
    report.push_back(kResetAdvice);
    return LinkChangeOutcome::Lost;
}
