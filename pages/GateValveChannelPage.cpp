#include "pages/GateValveChannelPage.h"

#include "config/ModificationTraits.h"
#include "config/PageKinds.h"
#include "config/WizardState.h"
#include "pages/ParameterListPage.h"
#include "shell/WizardSheet.h"

#include <QComboBox>
#include <QLabel>

GateValveChannelPage::GateValveChannelPage(QWidget* parent)
    : ChannelQuestionsPage(kDialogId, kAnswerCount, parent) {}

bool GateValveChannelPage::OnInitDialog() {
    AddChannelHeading({});
    sensor = AddQuestion(1045, kSensorId, 32, 14, "Наличие датчика положения задвижки:",
                         [this](int s) { SensorChosen(s); });
    computing = AddQuestion(1057, kComputingId, 50, 14, "Наличие Вычислителя в приборе:",
                            [this](int s) { ComputingChosen(s); });
    inputs = AddQuestion(1058, kInputsId, 68, 14, "Количество используемых входов в канале:",
                         [this](int s) { SetInputCount(State().ChannelPosition, kInputs, s); });
    inspector = AddQuestion(1046, kInspectorId, 86, 14, "Использование в канале Инспектора:",
                            [this](int s) { InspectorChosen(s); });
    lba = AddQuestion(1059, kLbaId, 104, 26,
                      "Использование в канале блока контроля целостности контура регулирования "
                      "(LBA-аварии):",
                      [this](int s) { LbaChosen(s); });
    Fill(computing.combo, {"Нет", "Да"});
    Fill(inspector.combo, {"Не использовать", "Использовать"});
    Fill(lba.combo, {"Нет контроля", "Есть контроль"});
    return true;
}

void GateValveChannelPage::OnPageShown() {
    const ModificationTraits& t = Traits();
    const int k = State().CurrentChannelIndex();
    ShowChannel(State().ChannelPosition + 1);
    SetUsable(computing, t.positionModel || Answer(k, kSensor) == 0);
    SetUsable(inputs, Answer(k, kComputing) == 1);
    SetShown(inspector, t.asksInspector);
    SetShown(lba, t.asksInspector);
    Fill(sensor.combo, t.positionModel ? QStringList{"Мат. модель", "Датчик положения"}
                                       : QStringList{"Нет", "Да"});
    // The inputs list is the one the channel's sensor answer built.
    OfferInputs(Answer(k, kSensor));
    SelectAnswer(sensor.combo, k, kSensor);
    SelectAnswer(computing.combo, k, kComputing);
    SelectAnswer(inputs.combo, k, kInputs);
    SelectAnswer(inspector.combo, k, kInspector);
    SelectAnswer(lba.combo, k, kLba);
    ApplyNextRule();
    sensor.combo->setFocus();
}

// Every input the channel may switch on, but the one a position sensor takes.
void GateValveChannelPage::OfferInputs(int sensorAnswer) {
    const ModificationTraits& t = Traits();
    QStringList counts;
    for (int n = 1; n <= t.switchableInputs; ++n)
        if (!(t.positionModel && sensorAnswer != 0 && n == t.positionSensorInput))
            counts << QString::number(n);
    Fill(inputs.combo, sensorAnswer < 0 ? QStringList{} : counts);
}

void GateValveChannelPage::SensorChosen(int s) {
    if (s < 0)
        return;
    // Without a model the sensor's signal is not the computing block's.
    const bool excludesComputing = !Traits().positionModel;
    const int p = State().ChannelPosition;
    const int k = State().CurrentChannelIndex();
    OfferInputs(s);
    std::vector<ChoiceWrite> writes{{Find("dlp", 2 * p), s}};
    if (excludesComputing && s == 1)
        writes.push_back({Find("t.dp", 2 * p), 0});
    WriteChoices(std::move(writes), [this, excludesComputing, k, s](bool written) {
        StoreWritten(sensor, k, kSensor, s, written);
        if (excludesComputing) {
            if (s == 1)
                SelectText(computing.combo, "Нет");
            SetUsable(computing, s == 0);
        }
        State().SetPageEnabled(k, kPositionSensorKind, s == 1);
        ComputingChosen(computing.combo->currentIndex());
        ApplyNextRule();
    });
}

void GateValveChannelPage::ComputingChosen(int s) {
    const int k = State().CurrentChannelIndex();
    if (s < 0)
        return;
    if (s == 1) {
        ComputingWritten(k, s, true);
        return;
    }
    WriteChoices({{Find("cal.t", 8 * State().ChannelPosition), 0}},
                 [this, k, s](bool written) { ComputingWritten(k, s, written); });
}

void GateValveChannelPage::ComputingWritten(int k, int s, bool written) {
    ComputingAnswered(computing, inputs, k, s, written);
}

void GateValveChannelPage::InspectorChosen(int s) {
    const int p = State().ChannelPosition;
    const int k = State().CurrentChannelIndex();
    std::vector<ChoiceWrite> writes{{Find("e.use", 6 * p), s}};
    if (s == 0)
        writes.push_back({Find("rel.a", k), 0});
    WriteChoices(std::move(writes), [this, k, s](bool written) {
        if (StoreWritten(inspector, k, kInspector, s, written))
            State().SetPageEnabled(k, kInspectorKind, s != 0);
    });
}

void GateValveChannelPage::LbaChosen(int s) {
    const int k = State().CurrentChannelIndex();
    WriteChoices({{Find("lba", State().ChannelPosition), s}}, [this, k, s](bool written) {
        if (StoreWritten(lba, k, kLba, s, written))
            State().SetPageEnabled(k, kLbaKind, s != 0);
    });
}

int GateValveChannelPage::GetNextPageId() {
    const int s = inputs.combo->currentIndex();
    if (s >= 0) {
        const int k = State().CurrentChannelIndex();
        for (int i = 0; i < kKindsPerBlock; ++i)
            State().SetPageEnabled(k, kInputKind + i, s >= i);
    }
    return ParameterListPage::kDialogId;
}

int GateValveChannelPage::GetPrevPageId() {
    const int p = State().ChannelPosition;
    if (p == 0)
        return 0;
    State().ChannelPosition = p - 1;
    State().PageKind = State().HighestEnabledKind(State().CurrentChannelIndex());
    return ParameterListPage::kDialogId;
}
