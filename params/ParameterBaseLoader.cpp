#include "params/ParameterBaseLoader.h"

#include "params/ChoiceListField.h"
#include "params/ParameterBaseReader.h"
#include "params/ParameterRecord.h"
#include "util/TextCase.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace {

bool SaneLimit(float limit) {
    return std::isfinite(limit) && std::fabs(limit) <= kMaxLimitMagnitude;
}

void SetIndex(Parameter& p, const ParameterRecord& r) {
    if (r.addressByIndex) {
        p.indexed = r.index != -1;
        if (p.indexed) {
            p.index = r.index;
            p.addressOffset = r.index;
        }
        return;
    }
    p.indexed = r.index >= 0;
    if (p.indexed)
        p.index = r.index;
}

// A few captions depend on the index's parity rather than on the record.
std::string Caption(const ParameterRecord& r) {
    const bool even = r.index % 2 == 0;
    if (EqualsNoCase(r.name, "bl.st") && even)
        return "Блокировка при старте";
    if (EqualsNoCase(r.name, "bl.t"))
        return even ? "Время блокировки при старте" : "Время блокировки смены шага";
    if (EqualsNoCase(r.name, "a.i.j"))
        return even ? "Значение нижнего порога" : "Значение верхнего порога";
    return r.caption;
}

void SetAttributes(Parameter& p, const ParameterRecord& r) {
    p.changed = r.changed;
    p.attributeStep = r.attributeStep;
}

bool ReadInteger(const std::string& text, int& n) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, n);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

void SetDefault(Parameter& p, std::string d) {
    p.checkBeforeWrite = !d.empty() && d.front() == '?';
    if (p.checkBeforeWrite)
        d.erase(0, 1);
    int n = 0;
    p.defaultValue = ReadInteger(d, n) ? choice_text(p, n) : d;
    std::replace(p.defaultValue.begin(), p.defaultValue.end(), '_', ' ');
}

std::unique_ptr<Parameter> MakeParameter(const ParameterRecord& r) {
    auto p = std::make_unique<Parameter>(r.name);
    SetIndex(*p, r);
    p->caption = Caption(r);
    SetAttributes(*p, r);
    ChoiceListField::Parse(r.format, p->format, p->choiceMasks);
    p->decimals = r.decimals;
    p->lower = r.lower;
    p->upper = r.upper;
    // The initial-value column is a factory-fresh controller (the simulator's
    // start); the program knows a device value only once it has read it, so
    // the value stays "Нет данных".
    SetDefault(*p, r.defaultValue);
    p->message = r.message;
    return p;
}

} // namespace

int LoadParameterBase(ParameterTable& table, const std::string& fileName,
                      const std::string& directory) {
    if (fileName == table.BaseFileName())
        return 0;
    if (!table.empty())
        table.ClearParameterTable();
    table.SetBaseFileName(fileName);
    ParameterBaseReader reader(directory + fileName);
    ParameterBaseReader::RecordBytes bytes;
    std::uint32_t count = 0, read = 0;
    while (count < reader.RecordCount() && reader.ReadRecord(bytes)) {
        const ParameterRecord record = ParameterRecord::Decode(bytes.data());
        // A limit no controller has is damage; it must not reach the range
        // checks and help texts.
        if (!SaneLimit(record.lower) || !SaneLimit(record.upper))
            return 1;
        ++read;
        // The first record of a name and index wins; later ones do not count,
        // so duplicates make the walk go on to the end of the data.
        if (table.Adopt(MakeParameter(record)))
            ++count;
    }
    return read >= reader.RecordCount() && reader.RecordCount() > 0 ? 0 : 1;
}
