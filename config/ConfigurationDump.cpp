#include "config/ConfigurationDump.h"

#include "config/ConfigurationBackup.h"
#include "device/DeviceOperations.h"
#include "device/DeviceLink.h"
#include "params/Parameter.h"
#include "util/ReplaceFile.h"

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
                      const std::string& source, int& saved, std::string& error) {
    std::vector<const Parameter*> read;
    const int r = ConfigurationBackup(ops, table).ReadAll(read, error);
    if (r != kLinkOk) {
        error = "Ошибка чтения " + error + "\nФайл не записан.";
        return r;
    }
    if (ReplaceFile(path, ConfigurationText(ops, read, source), error) != 0) {
        error = "Не удается записать файл " + path + ": " + error;
        return -1;
    }
    const std::vector<std::string> unread = UnreadLines(read);
    saved = static_cast<int>(read.size() - unread.size());
    if (!unread.empty())
        error = "Файл записан, но не все значения прочитаны; в файле они отмечены \"" +
                std::string(kNoData) + "\":";
    for (const std::string& line : unread)
        error += "\n" + line;
    return kLinkOk;
}
