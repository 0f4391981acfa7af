#include "config/ScreenTableRead.h"

#include "config/FindShown.h"
#include "config/KindRowRules.h"
#include "config/ModificationTraits.h"
#include "config/PageKindTexts.h"
#include "config/PageKinds.h"
#include "config/ScreenTableSink.h"
#include "config/SelectorChoices.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/TransferStatus.h"
#include "util/Prompter.h"
#include "util/TextCase.h"

#include <algorithm>

namespace {

constexpr int kPidOption = 1;        // "rEG.t"
constexpr int kWithoutPwmOption = 0; // "Pou"

std::string ReplaceNumberMark(const std::string& caption, int number) {
    const std::string mark = "№...";
    const std::size_t at = caption.find(mark);
    if (at == std::string::npos)
        return caption;
    return caption.substr(0, at) + "№" + std::to_string(number) + caption.substr(at + mark.size());
}

// Links and the gate valve's mode are written by the page on Next.
bool IsDeferred(const Parameter& p) {
    return EqualsNoCase(p.name, "OP") || EqualsNoCase(p.name, "se.p");
}

} // namespace

std::string RowDescription(const Parameter& p, int modification) {
    if (EqualsNoCase(p.name, "OP"))
        return ReplaceNumberMark(p.caption, p.index + 1);
    if (EqualsNoCase(p.name, "SCA")) {
        const int perBlock = TraitsOf(modification).signalsPerBlock;
        return ReplaceNumberMark(p.caption, perBlock * (p.index / 8) + p.index % 8 + 1);
    }
    return p.caption;
}

bool ScreenTableRead::Read(Parameter& p) {
    if (!reads.Read(p))
        return false;
    p.SetValue(p.value, true);
    return true;
}

void ScreenTableRead::Run(const ScreenRequest& given) {
    ScreenRequest request = given;
    ReadSelector(request);
    ReadSquareRoot(request);
    const bool pid = FollowRegulator(request);
    ReadRows(request, pid);
}

void ScreenTableRead::ReadSelector(ScreenRequest& request) {
    const auto selector = SelectorOfKind(request.kind, request.modification, request.position);
    if (!selector || request.keep)
        return;
    Parameter* p = FindShown(link.Table(), selector->name, selector->index);
    if (p == nullptr) {
        request.selected = false;
        sink.SelectorFilled({}, -1);
        return;
    }
    const int inputs = ComputingBlockInputs(link.Table(), request.position);
    const std::vector<std::string> entries =
        SelectorChoices(request.kind, *p, request.modification, inputs);
    selectorUnread = !Read(*p);
    const auto found = std::find(entries.begin(), entries.end(), p->value);
    const int selection = found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    request.selected = selection >= 0;
    request.selection = request.selected ? *found : std::string();
    sink.SelectorFilled(entries, selection);
}

// Modification 2 computes a square root of an input by its computing
// block's type: option 2 for yes, option 0 for no.
void ScreenTableRead::ReadSquareRoot(const ScreenRequest& request) {
    if (!AsksSquareRoot(request.kind, request.modification))
        return;
    Parameter* type = FindShown(link.Table(), "CAL.t", SquareRootIndex(request.kind));
    if (type == nullptr || !Read(*type)) {
        sink.SquareRootRead(-1);
        return;
    }
    const bool yes = type->value == choice_text(*type, kSquareRootOption);
    const bool no = type->value == choice_text(*type, kNoSquareRootOption);
    sink.SquareRootRead(yes ? 1 : no ? 0 : -1);
}

// A PID regulator has autotuning and, unless its output has no PWM, a PWM
// period; an on/off regulator neither.
bool ScreenTableRead::FollowRegulator(const ScreenRequest& request) {
    if (!IsRegulatorKind(request.kind))
        return false;
    const int k = ChannelIndexOf(request.modification, request.position);
    const int regulator = RegulatorIndex(request.kind, request.position);
    const Parameter* type = FindShown(link.Table(), "rEG.t", regulator);
    const bool pid =
        type && request.selected && request.selection == choice_text(*type, kPidOption);
    if (!selectorUnread)
        state.FollowRegulatorType(k, request.kind, pid);
    Parameter* output = FindShown(link.Table(), "Pou", regulator);
    if (output && Read(*output) && output->value == choice_text(*output, kWithoutPwmOption))
        state.SetPageEnabled(k, kFirstPwmKind + (request.kind - kFirstRegulatorKind) / 2, 0);
    return pid;
}

void ScreenTableRead::ReadRows(const ScreenRequest& request, bool pid) {
    status.ShowStatus(true, "Чтение таблицы...");
    sink.RowsCleared();
    const ReferenceList list = ScreenReferences(ScreenOfKind(request.kind, pid));
    const int count = std::max(CountApplicableReferences(list, request.modification), 1);
    const int step = 100 / count;
    const int base = BaseIndexOfKind(request.kind, request.modification, request.position,
                                     PwmElementNumber(request.element));
    std::vector<ScreenRow> rows;
    const AbortEvent& exit = link.Port().exit_event();
    for (const ResolvedReference& ref : ResolveReferenceList(list, base, request.modification)) {
        if (exit.is_set())
            break;
        Parameter* p = FindShown(link.Table(), ref.name, ref.index);
        if (p == nullptr)
            continue;
        const int row = static_cast<int>(rows.size());
        rows.push_back({p, false, IsDeferred(*p), {}});
        sink.RowAdded(row, RowDescription(*p, request.modification), p, IsDeferred(*p));
        Read(*p);
        rows.back().text = p->value;
        sink.RowRead(row, p->value);
        status.AdvanceProgress(step);
    }
    KindRowContext context;
    context.kind = request.kind;
    context.modification = request.modification;
    context.position = request.position;
    context.channelCount = request.channelCount;
    if (const auto selector = SelectorOfKind(request.kind, request.modification, request.position))
        context.selector = FindShown(link.Table(), selector->name, selector->index);
    context.selected = request.selected;
    context.selection = request.selection;
    status.ShowStatus(false, "");
    reads.ReportFailure();
    ApplyKindRowRules(context, rows, link.Table());
    sink.TableRead(rows, request.selected);
}

bool AsksSquareRoot(int kind, int modification) {
    return TraitsOf(modification).asksSquareRoot && ScreenOfKind(kind, true) == Screen::Inputs;
}

int SquareRootIndex(int kind) {
    return 8 * (kind - 1);
}
