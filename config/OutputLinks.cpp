#include "config/OutputLinks.h"

#include "config/FindShown.h"
#include "config/ConfigurationProgress.h"
#include "config/ModificationTraits.h"
#include "config/OutputElementMasks.h"
#include "config/ParametersByIndex.h"
#include "device/DeviceLink.h"
#include "util/Prompter.h"
#include "device/DeviceOperations.h"

#include <array>
#include <optional>
#include <string>

namespace {

constexpr const char* kCheckCaption = "Проверка Выходных элементов";
constexpr const char* kDuplicateText =
    "Были найдены одинаковые номера Выходных элементов, подключенных к БУИМ!\nЭто не "
    "допустимо! Выберите, пожалуйста, разные номера Выходных эелементов (параметры \"OP\").";
constexpr const char* kWritingStatus = "Запись ВЭ...";
constexpr int kFirstGateValveKind = 74;
constexpr int kOneLink = 1;   // "se.p": the first link only
constexpr int kBothLinks = 2; // "se.p": both links
constexpr int kLinksPerChannel = 2;

bool IsChoice(const Parameter& p, int number) {
    return p.value == choice_text(p, number);
}

// The mode "se.p" and the two links "op" of the gate valve a screen of this
// kind is about.
struct GateValve {
    Parameter* mode;
    Parameter* first;
    Parameter* second;
};

// Empty when the base lacks one of them (each miss is named in a box).
std::optional<GateValve> FindGateValve(const ParameterTable& table, int k, int kind) {
    const int d = kLinksPerChannel * (k + kind - kFirstGateValveKind);
    const GateValve valve{FindShown(table, "se.p", d), FindShown(table, "op", d),
                          FindShown(table, "op", d + 1)};
    if (!valve.mode || !valve.first || !valve.second)
        return std::nullopt;
    return valve;
}

// One line of a report on links, with the controller's reason.
std::string LinkLine(const Parameter& link) {
    return "\n" + link.DisplayName() + ": " + link.message;
}

} // namespace

void OutputLinks::AssembleOutputElements(const OutputElementMasks& masks, int modification,
                                         int channelCount) {
    progress.SetStatus(true, "Сборка ВЭ...");
    progress.SetProgressStep(33);
    progress.StepProgress();
    const ParametersByIndex links = ParametersNamed(table, "op");
    const ParametersByIndex inspectors = ParametersNamed(table, "rel.a");
    std::string failed;
    for (const ParametersByIndex* all : {&links, &inspectors}) {
        for (const auto& [index, p] : *all) {
            SetChoice(*p, 0);
            if (ops.WriteChannelParameter(p) != kLinkOk)
                failed += LinkLine(*p);
        }
        progress.StepProgress();
    }
    // In modification 5 both channels of a pair get the pair's elements.
    for (int c = 0; c < channelCount; ++c) {
        const struct {
            Parameter* link;
            OutputWhich which;
        } targets[] = {{AtIndex(links, kLinksPerChannel * c), OutputWhich::First},
                       {AtIndex(inspectors, c), OutputWhich::Second}};
        for (const auto& t : targets) {
            if (!t.link)
                continue;
            SetChoice(*t.link, masks.GetAssignedElementName(c, t.which, modification).element + 1);
            if (ops.WriteChannelParameter(t.link) != kLinkOk)
                failed += LinkLine(*t.link);
        }
    }
    progress.SetStatus(false, "");
    ReportUnwritten("Сборка выходных элементов выполнена не полностью:", failed);
}

LinkWriteOutcome OutputLinks::WriteOutputLinks(int channelCount) {
    const ParametersByIndex all = ParametersNamed(table, "op");
    std::array<Parameter*, kOutputElementCount> links{};
    for (int i = 0; i < kOutputElementCount; ++i)
        links[i] = AtIndex(all, kLinksPerChannel * i);
    for (int i = 1; i < channelCount && i < kOutputElementCount; ++i)
        for (int j = 0; j < i; ++j)
            if (links[i] && links[j] && links[i]->value == links[j]->value) {
                ShowMessage(kDuplicateText, kCheckCaption, PromptIcon::Warning);
                return LinkWriteOutcome::Duplicate;
            }
    // A link not read would go off in the first pass and never on again.
    std::string unread;
    for (Parameter* link : links)
        if (link && link->value == kNoData) {
            link->Record(ExchangeResult::Of(ExchangeCause::NotRead));
            unread += LinkLine(*link);
        }
    if (!unread.empty()) {
        ShowMessage(unread.substr(1), kCheckCaption, PromptIcon::Warning);
        return LinkWriteOutcome::Failed;
    }
    progress.SetStatus(true, kWritingStatus);
    progress.SetProgressStep(6);
    std::array<std::string, kOutputElementCount> chosen;
    std::string failed; // links the controller did not take, with its reasons
    for (int i = 0; i < kOutputElementCount; ++i) {
        progress.StepProgress();
        if (!links[i])
            continue;
        chosen[i] = links[i]->value;
        SetChoice(*links[i], 0);
        if (!WriteLink(*links[i]))
            failed += LinkLine(*links[i]);
    }
    for (int i = 0; i < kOutputElementCount; ++i) {
        progress.StepProgress();
        if (!links[i])
            continue;
        links[i]->value = chosen[i];
        if (!WriteLink(*links[i]))
            failed += LinkLine(*links[i]);
    }
    progress.SetStatus(false, "");
    if (failed.empty())
        return LinkWriteOutcome::Written;
    // Said, never passed over: the page reads back what the controller holds.
    ReportUnwritten("Подключение выходных элементов записано не полностью:", failed);
    return LinkWriteOutcome::Failed;
}

// Links the controller did not take are named, never passed over.
void OutputLinks::ReportUnwritten(const char* head, const std::string& failed) {
    if (!failed.empty())
        ShowMessage(head + failed, kCheckCaption, PromptIcon::Warning);
}

// Each written; those not taken are added to failed with the reason.
void OutputLinks::WriteEach(std::initializer_list<Parameter*> params, std::string& failed) {
    for (Parameter* p : params)
        if (!WriteLink(*p))
            failed += LinkLine(*p);
}

// A link is written in turn with the others; a lost reply is asked for again.
bool OutputLinks::WriteLink(Parameter& link) {
    return ops.WriteParameter(&link) == kLinkOk;
}

LinkWriteOutcome OutputLinks::WriteGateValveOutputs(int k, int kind,
                                                    const std::function<void()>& rereadScreen) {
    const std::optional<GateValve> valve = FindGateValve(table, k, kind);
    if (!valve)
        return LinkWriteOutcome::Failed;
    auto [mode, first, second] = *valve;
    if (IsChoice(*mode, kBothLinks) && first->value == second->value) {
        ShowMessage(kDuplicateText, kCheckCaption, PromptIcon::Warning);
        return LinkWriteOutcome::Duplicate;
    }
    progress.SetStatus(true, kWritingStatus);
    progress.SetProgressStep(33);
    progress.StepProgress();
    const std::string firstChosen = first->value, secondChosen = second->value;
    SetChoice(*first, 0);
    SetChoice(*second, 0);
    std::string failed;
    WriteEach({first, second}, failed);
    progress.StepProgress();
    // Only a refusal fails the block: a lost reply is asked for again.
    bool good = failed.empty() && WriteLink(*mode);
    if (good && (IsChoice(*mode, kOneLink) || IsChoice(*mode, kBothLinks))) {
        first->value = firstChosen;
        good = WriteLink(*first);
    }
    if (good && IsChoice(*mode, kBothLinks)) {
        second->value = secondChosen;
        good = WriteLink(*second);
    }
    if (good) {
        progress.SetStatus(false, "");
        return LinkWriteOutcome::Written;
    }
    for (Parameter* p : {first, second, mode})
        SetChoice(*p, 0);
    failed.clear();
    WriteEach({first, second, mode}, failed);
    progress.SetStatus(false, "");
    // Links the controller would not disconnect either are said in the same box.
    ShowMessage("Не правильно подключены Выходные элементы!" +
                    (failed.empty() ? std::string() : "\n\nНе отключены:" + failed),
                "Ошибка записи", PromptIcon::Warning);
    if (rereadScreen)
        rereadScreen();
    return LinkWriteOutcome::Failed;
}

void OutputLinks::SetGateValveDefaults(int k, int kind, int modification) {
    const int perChannel = TraitsOf(modification).gateValveElements;
    if (perChannel == 0)
        return;
    const std::optional<GateValve> valve = FindGateValve(table, k, kind);
    if (!valve)
        return;
    auto [mode, first, second] = *valve;
    SetChoice(*mode, kBothLinks);
    SetChoice(*first, perChannel * k + 1);
    SetChoice(*second, perChannel * k + 2);
    std::string failed;
    WriteEach({mode, first, second}, failed);
    ReportUnwritten("Подключение выходных элементов записано не полностью:", failed);
}

void OutputLinks::DisconnectOutputElements() {
    progress.SetStatus(true, "Отключение ВЭ...");
    const struct {
        int position;
        const char* name;
    } passes[] = {{50, "op"}, {100, "se.p"}};
    std::string failed;
    for (const auto& pass : passes) {
        progress.SetProgressPosition(pass.position);
        for (const auto& [index, p] : ParametersNamed(table, pass.name)) {
            SetChoice(*p, 0);
            WriteEach({p}, failed);
        }
    }
    progress.SetStatus(false, "");
    ReportUnwritten("Отключение выходных элементов выполнено не полностью:", failed);
}
