#include "config/ModificationChange.h"

#include "config/FindShown.h"
#include "config/ConfigurationProgress.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "params/NumberFormats.h"
#include "util/Prompter.h"

#include <cstdlib>

namespace {

constexpr const char* kModificationName = "mod.v";
constexpr const char* kFactoryResetValue = "255";

constexpr const char* kBusyText =
    "Нажмите кнопку \"Выход\" на приборе ZRK-640 не менее чем на 3\nсекунды, а затем нажмите "
    "кнопку \"Вперед\" для продолжения или \"Выход\"\nдля выхода из Brisko.";
constexpr const char* kChangeQuestion =
    "Произвести вызов функции установки модификации в приборе?\n\nПри этом произойдет "
    "настройка прибора на выбранную модификацию, но будут\nпотеряны все предыдущие настройки "
    "прибора. Если Вы конфигурируете прибор\nвпервые или хотите полностью "
    "переконфигурировать прибор, то необходимо\nответить \"Да\", если вы хотите сохранить "
    "настройки прибора, то нажмите \"Нет\".";
constexpr const char* kNeededQuestion =
    "В приборе сконфигурирована модификация, отличная от выбранной!\nЕсли не произвести вызов "
    "функции смены модификации, то корректная работа\nпрограммы не возможна.\nПерезапустите "
    "программу и выберите правильный номер модификации или разрешите\nвызов функции смены "
    "модификации в приборе.\n\nПроизвести смену модификации в приборе?";

// "ch.md" is the page's own parameter, not one of the base.
Parameter ChangeParameter(int selected) {
    Parameter p("ch.md");
    p.format = kDecDotFormat;
    p.lower = 1;
    p.upper = kModificationCount;
    p.attributeStep = 0;
    p.value = std::to_string(selected);
    return p;
}

bool AnsweredYes(const char* text, const char* caption, PromptIcon icon) {
    return ShowMessage(text, caption, icon, PromptButtons::YesNo) == PromptAnswer::Yes;
}

} // namespace

int ReadModification(DeviceOperations& ops, DeviceLink& link) {
    Parameter* p = FindShown(link.Table(), kModificationName, 0);
    if (!p || ops.ReadParameter(p) != kLinkOk)
        return 0;
    const int n = std::atoi(p->value.c_str());
    return IsKnownModification(n) ? n : 1;
}

int DetectModification(DeviceOperations& ops, DeviceLink& link) {
    const int n = ReadModification(ops, link);
    if (n == 0)
        ShowMessage("Модификация прибора не была определена!", {}, PromptIcon::Warning);
    return n;
}

ModificationOutcome ModificationChange::Run(int selected) {
    Parameter* current = FindShown(link.Table(), kModificationName, 0);
    if (!current)
        return ModificationOutcome::Failed;
    Parameter change = ChangeParameter(selected);
    // The probe writes back what the controller holds: unknown after a
    // failed detection, it is read first; a value never read is not sent.
    if (current->value == kNoData && DetectModification(ops, link) == 0)
        return ModificationOutcome::Failed;
    // A controller in its own menu refuses writes; one that is silent may
    // already be changing, and a reply lost on the line is no refusal.
    const int probe = ops.WriteChannelParameter(current);
    if (probe != kLinkOk && !current->exchange.lost()) {
        ShowMessage(kBusyText, "Прибор занят", PromptIcon::Warning);
        return ModificationOutcome::Busy;
    }
    const bool yes = AnsweredYes(kChangeQuestion, "", PromptIcon::Information);
    if (current->value == change.value) {
        if (!yes)
            return ModificationOutcome::Kept;
        current->value = kFactoryResetValue;
        if (Refused(*current))
            return ModificationOutcome::Failed;
    } else if (!yes && !AnsweredYes(kNeededQuestion, "Внимание", PromptIcon::Warning)) {
        return ModificationOutcome::Declined;
    }
    if (Refused(change))
        return ModificationOutcome::Failed;
    // The port's own failure box says why it did not open again.
    ops.SetFactoryNetworkSettings();
    return WaitForConfirmation(*current, change.value);
}

// Writes p; a refusal is named. A reply lost while the controller starts
// changing is no refusal: the polls find out.
bool ModificationChange::Refused(Parameter& p) {
    if (ops.WriteChannelParameter(&p) == kLinkOk ||
        p.exchange.outcome() != ExchangeOutcome::Refused)
        return false;
    ShowMessage(p.message, p.name, PromptIcon::Warning);
    return true;
}

ModificationOutcome ModificationChange::WaitForConfirmation(Parameter& current,
                                                            const std::string& selected) {
    progress.SetStatus(true, "Смена модификации...");
    progress.SetFlying(true);
    ModificationOutcome outcome = ModificationOutcome::Failed;
    for (int poll = 0; poll < timing.polls; ++poll) {
        if (exit.wait(static_cast<int>(timing.pollInterval.count()))) {
            outcome = ModificationOutcome::Aborted;
            break;
        }
        ops.ReadParameter(&current);
        if (current.value == selected) {
            outcome = ModificationOutcome::Changed;
            break;
        }
    }
    if (outcome == ModificationOutcome::Failed)
        ShowMessage("Не удалось сменить модификацию!", "Предупреждение", PromptIcon::Information);
    progress.SetFlying(false);
    progress.SetStatus(false, "");
    return outcome;
}
