#include "config/ConfigurationDump.h"

#include "config/ConfigurationBackup.h"
#include "device/DeviceOperations.h"
#include "device/DeviceLink.h"
#include "params/Parameter.h"

namespace {

std::string IdentityLine(DeviceOperations& ops) {
    std::string identity;
    for (const char* name : {"dev", "ver"}) {
        const std::string value = ReadIdentityText(ops, name);
        if (value != kNoData)
            identity += (identity.empty() ? "Прибор: " : ", версия ") + value;
    }
    return identity;
}

} // namespace

std::string ReadIdentityText(DeviceOperations& ops, const char* name) {
    Parameter p(name);
    p.format = "string";
    return ops.ReadParameter(&p) == kLinkOk ? p.value : kNoData;
}

std::string ConfigurationText(DeviceOperations& ops, const std::vector<const Parameter*>& read,
                              const std::string& source) {
    return FormatConfiguration(read,
                               {"Настройки прибора ZRK640 (" + source + ")", IdentityLine(ops)});
}

int DumpConfiguration(DeviceOperations& ops, const ParameterTable& table, const std::string& path,
                      const std::string& source, const std::function<void(int, int)>& progress,
                      const ConfigurationWriter& write, DumpOutcome& outcome, std::string& error) {
    ConfigurationBackup backup(ops, table);
    backup.SetProgress(progress);
    std::vector<const Parameter*> read;
    if (const int r = backup.ReadAll(read, error); r != kLinkOk) {
        error = "Ошибка чтения " + error + "\nФайл не записан.";
        return r;
    }
    if (write(path, ConfigurationText(ops, read, source), error) != 0) {
        error = "Не удается записать файл " + path + ": " + error;
        return kDumpNotWritten;
    }
    outcome.unread = UnreadLines(read);
    outcome.saved = static_cast<int>(read.size() - outcome.unread.size());
    return kLinkOk;
}
