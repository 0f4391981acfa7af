#include "cli/CtlSession.h"

#include "cli/TerminalProgress.h"
#include "config/ChannelCountChange.h"
#include "config/FindShown.h"
#include "config/ModificationChange.h"
#include "params/NumberFormats.h"
#include "params/ValueCheck.h"
#include "device/LinkTriage.h"
#include "link/PortAccess.h"
#include "link/PortEnumerator.h"
#include "util/TextCase.h"
#include "config/WizardState.h"

#include <charconv>
#include <cstdio>

std::map<std::string, std::string> LinkSettingTexts(const LinkOverrides& o) {
    std::map<std::string, std::string> texts;
    if (o.baud)
        texts[kBaudName] = std::to_string(*o.baud);
    if (o.parityCode)
        texts[kParityName] = ParityTextOf(*o.parityCode);
    if (o.byteSize)
        texts[kByteSizeName] = std::to_string(*o.byteSize);
    if (o.stopBits)
        texts[kStopBitsName] = std::to_string(*o.stopBits);
    if (o.address)
        texts[kAddressName] = std::to_string(*o.address);
    if (o.addressLength)
        texts[kAddressLengthName] = std::to_string(*o.addressLength);
    return texts;
}

int Fail(const std::string& text, int code) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return code;
}

int CtlSession::Run() {
    if (options.command == "ports") {
        for (const std::string& name : PortEnumerator().list())
            std::printf("%s\n", name.c_str());
        return kSuccess;
    }
    if (options.command == "scan")
        return Scan();
    const std::pair<const char*, int (CtlSession::*)()> commands[] = {
        {"read", &CtlSession::Read},       {"write", &CtlSession::Write},
        {"check", &CtlSession::Check},     {"dump", &CtlSession::Dump},
        {"diff", &CtlSession::Diff},       {"restore", &CtlSession::Restore},
        {"relink", &CtlSession::Relink},   {"report", &CtlSession::Report},
    };
    for (const auto& [name, command] : commands) {
        if (options.command != name)
            continue;
        const int opened = OpenLink();
        return opened != kSuccess ? opened : (this->*command)();
    }
    return Fail("Неизвестная команда: '" + options.command + "' (см. --help)", kUsageError);
}

int CtlSession::OpenLink() {
    // Overrides are for this run only: the settings file is only read.
    link.Settings().BuildParameters();
    ApplyOverrides();
    // Without the base beside the program, parameters are converted by name
    // or by --format.
    link.LoadBase();
    if (options.trace) {
        link.SetFrameTrace(
            [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
        ops.SetExchangeLog(&log);
    }
    if (link.open_port() == 0)
        return kSuccess;
    const std::string why = PortAccess::Diagnose(link.Port().settings().port_name);
    if (!why.empty())
        Fail(why, kPortFailure);
    return kPortFailure;
}

void CtlSession::ApplyOverrides() {
    NetRS485prg& s = link.Settings();
    if (options.link.port)
        s.SetValueByName(kPortName, *options.link.port);
    for (const auto& [name, value] : LinkSettingTexts(options.link))
        s.SetValueByName(name, value);
}

// NAME or NAME:INDEX; from the parameter table when it has the name.
Parameter* CtlSession::Lookup(const std::string& word) {
    const auto colon = word.find(':');
    const std::string name = word.substr(0, colon);
    int index = 0;
    if (colon != std::string::npos) {
        const char* first = word.data() + colon + 1;
        const char* last = word.data() + word.size();
        const auto [end, ec] = std::from_chars(first, last, index);
        if (ec != std::errc() || end != last || first == last || index < 0) {
            Fail("Неверный индекс параметра: '" + word + "'", kUsageError);
            return nullptr;
        }
    }
    if (name.empty()) {
        Fail("Не задано имя параметра", kUsageError);
        return nullptr;
    }
    if (!link.Table().empty() && !options.format)
        return FindShown(link.Table(), name, index);
    standalone = std::make_unique<Parameter>(name);
    standalone->format = options.format.value_or(kDecDotFormat);
    standalone->indexed = colon != std::string::npos;
    standalone->index = index;
    return standalone.get();
}

int CtlSession::Read() {
    if (options.words.size() != 1)
        return Fail("Использование: zrk640ctl read ИМЯ[:ИНДЕКС]", kUsageError);
    Parameter* p = Lookup(options.words[0]);
    if (!p)
        return kUsageError;
    return Finish(ops.ReadParameter(p), *p);
}

int CtlSession::Write() {
    const char* usage = "Использование: zrk640ctl write ИМЯ[:ИНДЕКС] ЗНАЧЕНИЕ";
    if (options.words.empty() || options.words.size() > 2)
        return Fail(usage, kUsageError);
    Parameter* p = Lookup(options.words[0]);
    if (!p)
        return kUsageError;
    if (options.words.size() == 1) {
        // Only a command such as "APLY" is written without a value.
        std::uint8_t data[kMaxFrameData];
        int length = 0;
        if (p->ConvertToData("", data, length) != 1 || length != 0)
            return Fail(usage, kUsageError);
        p->value.clear();
    } else {
        // Nothing is sent that the controller would have to refuse.
        std::string value, detail;
        if (!ValueCheck::Check(*p, options.words[1], value, detail))
            return Fail(ValueCheck::RefusalText(*p, options.words[1], detail, true), kUsageError);
        p->value = value;
    }
    if (EqualsNoCase(p->name, "n.Ch") && p != standalone.get())
        return WriteChannelCount(*p);
    return Finish(ops.WriteParameter(p), *p);
}

// The count changes as the wizard changes it: channel by channel, with the
// blocks of the controller's own modification.
int CtlSession::WriteChannelCount(Parameter& channelCount) {
    WizardState state;
    state.Modification = ReadModification(ops, link);
    if (!IsKnownModification(state.Modification)) {
        const Parameter* modification = link.FindParameter("mod.v", 0);
        FlushLog();
        return Fail("Ошибка команды 'mod.v':\n" + (modification ? modification->message : ""),
                    kDeviceFailure);
    }
    TerminalProgress progress;
    PlugChannelCountChange(ops, link.Table(), progress, state);
    return Finish(ops.WriteChannelParameter(&channelCount), channelCount);
}

int CtlSession::Finish(int result, Parameter& p) {
    FlushLog();
    if (result != kLinkOk)
        return Fail(p.message.empty()
                        ? "Ошибка обмена с прибором (код " + std::to_string(result) + ")"
                        : p.message,
                    kDeviceFailure);
    std::printf("%s\n", p.value.c_str());
    return kSuccess;
}

int CtlSession::Check() {
    AddIdentityParameters();
    DeviceCheckReport report;
    const bool good = ops.CheckDevice(report);
    FlushLog();
    std::printf("%s", report.info.c_str());
    if (!report.errors.empty())
        std::fprintf(stderr, "%s", report.errors.c_str());
    if (!good) {
        std::fprintf(stderr, "Почему нет ответа:\n");
        for (const std::string& finding : LinkTriage(link).Run(options.scanOnSilence))
            std::fprintf(stderr, "  %s\n", finding.c_str());
    } else if (link.Port().echoes()) {
        std::fprintf(stderr, "Адаптер возвращает отправленную посылку (эхо); эхо отбрасывается.\n");
    }
    return good ? kSuccess : kDeviceFailure;
}

// The identity check reads these whether or not a base described them.
void CtlSession::AddIdentityParameters() {
    for (const char* name : {"n.Err", "dev", "ver", "mod.v"}) {
        auto p = std::make_unique<Parameter>(name);
        p->format = kDecDotFormat;
        link.Table().Adopt(std::move(p));
    }
}

void CtlSession::FlushLog() {
    for (const std::string& line : log)
        std::fprintf(stderr, "%s\n", line.c_str());
    log.clear();
}
