#include "pages/ChannelCountPage.h"

#include "config/ConfigurationProgress.h"
#include "config/ModificationFeatures.h"
#include "config/OutputLinks.h"
#include "config/ParametersByIndex.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/GateValveChannelPage.h"
#include "pages/ParameterListPage.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/WizardSheet.h"

#include <QLabel>
#include <QStringList>

namespace {

constexpr const char* kCountName = "n.Ch";

const char* const kFullText =
    "Прибор ZRK640 модификации %1 изначально сконфигурирован для работы с 8 каналами. Если "
    "необходимо задействовать в приборе меньшее число каналов -- укажите это в окне ввода ниже. "
    "Если необходимы все 8 каналов -- просто нажмите кнопку \"Вперед\".";
const char* const kGateValveText =
    "Прибор ZRK640 модификации 03 изначально сконфигурирован для работы с 4 каналами. Если "
    "необходимо задействовать в приборе меньшее число каналов - укажите это в окне ввода ниже. "
    "Если необходимы все 4 канала - просто нажмите кнопку \"Далее\".";
const char* const kChooseText = "Задайте необходимое количество каналов в приборе.";

struct CountChoices {
    QString text;
    QStringList counts;
};

CountChoices ChoicesOf(int modification) {
    switch (modification) {
    case 1:
    case 2:
        return {QString(kFullText).arg(modification, 2, 10, QChar('0')),
                {"1", "2", "3", "4", "5", "6", "7", "8"}};
    case 3:
        return {kGateValveText, {"1", "2", "3", "4"}};
    case 4:
        return {kChooseText, {"1", "2", "3", "4"}};
    case 5:
        return {kChooseText, {"2", "4", "6", "8"}};
    case 6:
        return {kChooseText, {"1", "2"}};
    default:
        return {};
    }
}

// Writes the parameter with its choice number, if the base has it.
void WriteChoice(DeviceOperations& ops, Parameter* p, int number) {
    if (!p)
        return;
    SetChoice(*p, number);
    ops.WriteChannelParameter(p);
}

void WriteValue(DeviceOperations& ops, Parameter* p, const char* value) {
    p->value = value;
    ops.WriteChannelParameter(p);
}

// Modification 6: the output elements work as plain switches.
void SetDiscreteOutputs(DeviceOperations& ops, const ParameterTable& table) {
    const ParametersByIndex modes = ParametersNamed(table, "r.el");
    for (int i = 0; i < 8; ++i)
        WriteChoice(ops, AtIndex(modes, i), 1);
}

// Modification 6: the fourth signal of each computing block comes from the
// channel's own fourth input.
void SetFourthSignals(DeviceOperations& ops, const ParameterTable& table) {
    const ParametersByIndex types = ParametersNamed(table, "t.in.");
    Parameter* first = AtIndex(types, 3);
    Parameter* second = AtIndex(types, 11);
    if (!first || !second)
        return;
    const std::string input = choice_text(*first, 0);
    for (Parameter* p : {first, second}) {
        p->value = input;
        ops.WriteChannelParameter(p);
    }
    const ParametersByIndex sources = ParametersNamed(table, "in.");
    Parameter* firstSource = AtIndex(sources, 3);
    Parameter* secondSource = AtIndex(sources, 11);
    if (firstSource && secondSource) {
        WriteValue(ops, firstSource, "3");
        WriteValue(ops, secondSource, "7");
    }
}

// Modification 1: every computing block of the channels in use passes its
// input through.
void ResetComputingBlocks(DeviceOperations& ops, const ParameterTable& table,
                          ConfigurationProgress& progress, int channelCount) {
    const ParametersByIndex blocks = ParametersNamed(table, "cal.t");
    progress.SetStatus(true, "Инициализация Cal.t...");
    progress.SetProgressStep(100 / channelCount);
    for (int c = 0; c < channelCount; ++c) {
        progress.StepProgress();
        WriteChoice(ops, AtIndex(blocks, 8 * c), 0);
    }
    progress.SetStatus(false, "");
}

} // namespace

ChannelCountPage::ChannelCountPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ChannelCountPage::OnInitDialog() {
    AddPicture(kPictureId);
    AddText(kLabelId, QRect(118, 11, 194, 40),
            "Укажите необходимое количество подключённых каналов в приборе")
        ->setFont(LargeFont());
    explanation = AddText(kExplanationId, QRect(118, 56, 194, 64), {});
    auto* list = new CmyComboBox(this, false);
    count = list;
    count->setObjectName(QString::number(kCountId));
    count->setGeometry(DialogUnits::Rect(118, 124, 60, 14));
    connect(list, &CmyComboBox::Chosen, this, [this](int index) {
        if (index >= 0)
            Sheet()->EnableNext(true);
    });
    DeviceServices& device = *Services();
    if (device.State().Modification == 6)
        Sheet()->RunProcedure(this, [&device] {
            SetDiscreteOutputs(device.Operations(), device.Link().Table());
            return 0;
        });
    return true;
}

void ChannelCountPage::OnPageShown() {
    Sheet()->setWindowTitle("Базовые параметры конфигурации");
    DeviceServices& device = *Services();
    const int modification = device.State().Modification;
    const CountChoices choices = ChoicesOf(modification);
    explanation->setText(choices.text);
    count->clear();
    count->addItems(choices.counts);
    count->setCurrentIndex(-1);
    count->setFocus();
    Parameter* current = device.Link().FindParameter(kCountName, 0);
    if (!current)
        return;
    Sheet()->RunProcedure(
        this,
        [&device, current, modification] {
            if (modification == 6)
                SetFourthSignals(device.Operations(), device.Link().Table());
            return device.Operations().ReadParameter(current);
        },
        [this, current](int result) {
            ShowCount(result == 0 ? QString::fromStdString(current->value) : QString());
        });
}

void ChannelCountPage::ShowCount(const QString& value) {
    count->setCurrentIndex(count->findText(value));
    Sheet()->EnableNext(count->currentIndex() >= 0);
    count->setFocus();
}

int ChannelCountPage::GetNextPageId() {
    if (count->currentIndex() < 0)
        return -1;
    DeviceServices& device = *Services();
    WizardState& state = device.State();
    const int modification = state.Modification;
    const int channels = count->currentText().toInt();
    state.ChannelCount = channels;
    // The channel walk starts again from the first channel.
    state.ChannelPosition = 0;
    state.SetFeatures(FeaturesOf(modification));
    state.ClearPageEnableTable();
    const PageEnableRow row = InitialPageEnableRow(modification, channels);
    for (int r = 0; r < kPageEnableRows; ++r)
        state.SetPageEnableRow(r, row);

    Parameter* current = device.Link().FindParameter(kCountName, 0);
    if (!current)
        return -1;
    Sheet()->RunProcedure(
        this,
        [&device, current, modification, channels] {
            current->value = std::to_string(channels);
            // The write reshapes the channels, with its own busy window.
            if (device.WriteParameterRequest(*current, 1) != 0)
                return 1;
            DeviceOperations& ops = device.Operations();
            const ParameterTable& table = device.Link().Table();
            ops.ReadParameter(current);
            if (modification == 1)
                ResetComputingBlocks(ops, table, device.Progress(), channels);
            if (modification == 3 || modification == 6)
                OutputLinks(ops, table, device.Progress()).DisconnectOutputElements();
            return 0;
        },
        [this, modification](int result) { CountWritten(modification, result); });
    return -1;
}

void ChannelCountPage::CountWritten(int modification, int result) {
    if (result != 0)
        return; // the refusal was shown; the operator may try again
    switch (modification) {
    case 3:
    case 6:
        Sheet()->ShowPageById(GateValveChannelPage::kDialogId);
        break;
    case 4:
    case 5:
        Sheet()->ShowPageById(ChannelFunctionsPage::kDialogId);
        break;
    default:
        Sheet()->ShowPageById(ParameterListPage::kDialogId);
        break;
    }
}
