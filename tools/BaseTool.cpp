#include "tools/BaseTool.h"

#include "params/ParameterBaseReader.h"
#include "params/TooltipFile.h"
#include "tools/BaseSourceParser.h"
#include "tools/BaseSourceWriter.h"
#include "tools/GzipWriter.h"
#include "tools/RtfConverter.h"
#include "tools/TooltipSource.h"
#include "util/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char* const kUsage = "использование: zrk640-basec compile parameters.txt parameters_m.zip\n"
                           "               zrk640-basec dump parameters_m.zip parameters.txt\n"
                           "               zrk640-basec tooltip tooltip.txt tooltip.dat\n"
                           "               zrk640-basec rtf source.rtf target.rtf\n";

} // namespace

int BaseTool::Run(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() == 3) {
        const std::string& command = args[0];
        if (command == "compile")
            return Compile(args[1], args[2], err);
        if (command == "dump")
            return Dump(args[1], args[2], err);
        if (command == "tooltip")
            return Tooltip(args[1], args[2], err);
        if (command == "rtf")
            return Rtf(args[1], args[2], err);
    }
    err << kUsage;
    return 2;
}

int BaseTool::Compile(const std::string& source, const std::string& target, std::ostream& err) {
    std::string text;
    if (ReadFile(source, text, err) != 0)
        return 1;
    std::istringstream in(text);
    std::vector<ParameterRecord> records;
    std::vector<std::string> errors;
    if (BaseSourceParser().Parse(source, in, records, errors) != 0)
        return Report(errors, err);
    std::string plain(records.size() * kParameterRecordSize, '\0');
    std::string error;
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].Encode(reinterpret_cast<std::uint8_t*>(&plain[i * kParameterRecordSize]), error);
    std::string packed;
    const std::string storedName = std::filesystem::path(target).filename().string();
    if (GzipWriter::Compress(plain, storedName, packed, error) != 0)
        return Report({target + ": " + error}, err);
    return WriteFile(target, packed, err);
}

int BaseTool::Dump(const std::string& base, const std::string& target, std::ostream& err) {
    if (!std::ifstream(base, std::ios::binary))
        return Report({base + ": не удалось открыть файл"}, err);
    ParameterBaseReader reader(base);
    std::vector<ParameterRecord> records;
    ParameterBaseReader::RecordBytes bytes;
    while (records.size() < reader.RecordCount() && reader.ReadRecord(bytes))
        records.push_back(ParameterRecord::Decode(bytes.data()));
    std::vector<std::string> problems;
    if (records.size() < reader.RecordCount())
        problems.push_back(base + ": данные повреждены, прочитано " +
                           std::to_string(records.size()) + " из " +
                           std::to_string(reader.RecordCount()) + " записей");
    std::ostringstream out;
    BaseSourceWriter::Write(records, out, problems);
    const int written = WriteFile(target, out.str(), err);
    return written != 0 ? written : Report(problems, err);
}

int BaseTool::Tooltip(const std::string& source, const std::string& target, std::ostream& err) {
    std::string text;
    if (ReadFile(source, text, err) != 0)
        return 1;
    std::istringstream in(text);
    std::string content;
    std::vector<std::string> errors;
    if (TooltipSource().Compile(source, in, content, errors) != 0)
        return Report(errors, err);
    return WriteFile(target, TooltipFile::Invert(content), err);
}

int BaseTool::Rtf(const std::string& source, const std::string& target, std::ostream& err) {
    std::string text, rtf, error;
    if (ReadFile(source, text, err) != 0)
        return 1;
    if (RtfConverter::Convert(text, rtf, error) != 0)
        return Report({source + ": " + error}, err);
    return WriteFile(target, rtf, err);
}

int BaseTool::ReadFile(const std::string& path, std::string& bytes, std::ostream& err) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Report({path + ": не удалось открыть файл"}, err);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return in.bad() ? Report({path + ": ошибка чтения"}, err) : 0;
}

int BaseTool::WriteFile(const std::string& path, const std::string& bytes, std::ostream& err) {
    std::string reason;
    return ReplaceFile(path, bytes, reason) == 0 ? 0 : Report({path + ": " + reason}, err);
}

int BaseTool::Report(const std::vector<std::string>& errors, std::ostream& err) {
    for (const std::string& line : errors)
        err << line << '\n';
    return errors.empty() ? 0 : 1;
}
