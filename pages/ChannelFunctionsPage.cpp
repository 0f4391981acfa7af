#include "pages/ChannelFunctionsPage.h"

#include "config/ModificationTraits.h"
#include "config/PageKinds.h"
#include "config/WizardState.h"
#include "pages/ChannelCountPage.h"
#include "pages/GraphPage.h"
#include "pages/ParameterListPage.h"
#include "shell/WizardSheet.h"
#include "util/Prompter.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr const char* kDuplicateText =
    "Были найдены одинаковые номера Выходных элементов! Это не допустимо!\nВыберите, "
    "пожалуйста, разные номера Выходных эелементов.";

// The element index 0..7 of a name "Выходной элемент №N"; -1 for another text.
int ElementOf(const QString& name) {
    for (int e = 0; e < kOutputElementCount; ++e)
        if (name == QString::fromStdString(OutputElementMasks::ElementName(e + 1)))
            return e;
    return -1;
}

} // namespace

ChannelFunctionsPage::ChannelFunctionsPage(QWidget* parent)
    : ChannelQuestionsPage(kDialogId, kAnswerCount, parent) {}

bool ChannelFunctionsPage::OnInitDialog() {
    AddChannelHeading("Укажите, какие функциональные блоки  в канале должны быть задействованы. "
                      "Более подробно о функциональных блоках (вычислителе и инспекторе) смотрите "
                      "Руководство по эксплуатации.");
    inspector = AddQuestion(1045, kInspectorId, 32, 14, "Использовать в приборе Инспектор:",
                            [this](int s) { InspectorChosen(s); });
    computing = AddQuestion(1057, kComputingId, 50, 14, "Вычислитель:",
                            [this](int s) { ComputingChosen(s); });
    inputs = AddQuestion(1058, kInputsId, 68, 18,
                         "Количество используемых входов в канале (1 или 2):",
                         [this](int s) { SetInputCount(State().ChannelPosition, kInputs, s); });
    lba = AddQuestion(1046, kLbaId, 90, 26,
                      "Использование в канале блока контроля целостности контура регулирования "
                      "(LBA-аварии):",
                      [this](int s) { LbaChosen(s); });
    AddText(1061, QRect(7, 124, 306, 12), "Задайте подключаемые к каналу выходные элементы:");
    first = AddQuestion(1059, kFirstElementId, 140, 14, "Выход №1 (Регулятор):",
                        [this](int) { FirstElementChosen(); });
    second = AddQuestion(1060, kSecondElementId, 158, 14, "Выход №2 (Инспектор):",
                         [this](int) { SecondElementChosen(); });
    Fill(inspector.combo, {"Нет", "Да"});
    Fill(inputs.combo, {"1", "2"});
    Fill(lba.combo, {"Нет контроля", "Есть контроль"});
    return true;
}

void ChannelFunctionsPage::OnPageShown() {
    const int mod = Modification();
    const bool block = Traits().features[kFeatureComputingBlock];
    const int p = State().ChannelPosition;
    const int k = State().CurrentChannelIndex();
    ShowChannel(k + 1);
    // Without a computing block the question is the type of the input's signal.
    Fill(computing.combo, block ? QStringList{"Нет", "Да"}
                                : QStringList{"Повторитель", "Квадратный корень"});
    SetShown(inputs, block);
    SelectAnswer(inspector.combo, k, kInspector);
    SelectAnswer(computing.combo, k, kComputing);
    SelectAnswer(inputs.combo, k, kInputs);
    SelectAnswer(lba.combo, k, kLba);
    const bool inspectorOff = inspector.combo->currentIndex() == 0;
    SetUsable(second, !inspectorOff);
    OfferFreeElements(first.combo, k);
    OfferFreeElements(second.combo, k);
    const OutputElementMasks& masks = State().OutputMasks;
    SelectText(first.combo, QString::fromStdString(masks.GetAssignedElementName(p, OutputWhich::First, mod).name));
    second.combo->setCurrentIndex(-1);
    if (!inspectorOff)
        SelectText(second.combo,
                   QString::fromStdString(masks.GetAssignedElementName(p, OutputWhich::Second, mod).name));
    FirstElementChosen();
    SecondElementChosen();
    SetUsable(inputs, Answer(k, kComputing) == 1);
    ApplyNextRule();
    inspector.combo->setFocus();
}

void ChannelFunctionsPage::InspectorChosen(int s) {
    const bool byUse = Traits().inspectorByUse;
    const int p = State().ChannelPosition;
    const int k = State().CurrentChannelIndex();
    std::vector<ChoiceWrite> writes{{byUse ? Find("e.use", 6 * p) : Find("insp", p), s}};
    // Without an inspector its output element is let go at once.
    if (s == 0 && byUse)
        writes.push_back({Find("rel.a", p), 0});
    WriteChoices(std::move(writes), [this, k, s](bool written) {
        if (!StoreWritten(inspector, k, kInspector, s, written))
            return;
        State().SetPageEnabled(k, kInspectorKind, s != 0);
        SetUsable(second, s != 0);
        if (s != 0) {
            FirstElementChosen();
        } else {
            State().OutputMasks.Assign(k, OutputWhich::Second, -1);
            second.combo->setCurrentIndex(-1);
        }
        SecondElementChosen();
    });
}

void ChannelFunctionsPage::ComputingChosen(int s) {
    const bool block = Traits().features[kFeatureComputingBlock];
    const int k = State().CurrentChannelIndex();
    if (s < 0)
        return;
    // A computing block's inputs are chosen before anything is written.
    if (block && s == 1) {
        ComputingWritten(k, s, true);
        return;
    }
    // Otherwise the answer is the signal's type: repeater or square root.
    const int type = s == 0 ? 0 : 2;
    WriteChoices({{Find("cal.t", 8 * State().ChannelPosition), type}},
                 [this, k, s](bool written) { ComputingWritten(k, s, written); });
}

void ChannelFunctionsPage::ComputingWritten(int k, int s, bool written) {
    if (Traits().features[kFeatureComputingBlock]) {
        ComputingAnswered(computing, inputs, k, s, written);
        return;
    }
    // Without a computing block there is no screen and no inputs to choose.
    StoreWritten(computing, k, kComputing, s, written);
}

void ChannelFunctionsPage::LbaChosen(int s) {
    const int k = State().CurrentChannelIndex();
    WriteChoices({{Find("lba", State().ChannelPosition), s}}, [this, k, s](bool written) {
        if (StoreWritten(lba, k, kLba, s, written))
            State().SetPageEnabled(k, kLbaKind, s != 0);
    });
}

void ChannelFunctionsPage::FirstElementChosen() {
    ChooseElement(first.combo, OutputWhich::First);
    OfferFreeElements(second.combo, State().CurrentChannelIndex());
    ApplyNextRule();
}

void ChannelFunctionsPage::SecondElementChosen() {
    ChooseElement(second.combo, OutputWhich::Second);
    OfferFreeElements(first.combo, State().CurrentChannelIndex());
    ApplyNextRule();
}

void ChannelFunctionsPage::ChooseElement(QComboBox* combo, OutputWhich which) {
    if (combo->currentIndex() < 0)
        return;
    State().OutputMasks.Assign(State().CurrentChannelIndex(), which, ElementOf(combo->currentText()));
}

void ChannelFunctionsPage::OfferFreeElements(QComboBox* combo, int k) {
    const QString chosen = combo->currentIndex() < 0 ? QString() : combo->currentText();
    QStringList free;
    for (int e = 0; e < kOutputElementCount; ++e)
        if (!State().OutputMasks.IsElementTaken(k, e))
            free << QString::fromStdString(OutputElementMasks::ElementName(e + 1));
    Fill(combo, free);
    SelectText(combo, chosen);
}

int ChannelFunctionsPage::GetNextPageId() {
    if (first.combo->currentText() == second.combo->currentText()) {
        ShowMessage(kDuplicateText, "Проверка Выходных элементов", PromptIcon::Warning);
        return -1;
    }
    const int s = inputs.combo->currentIndex();
    if (s >= 0) {
        const int k = State().CurrentChannelIndex();
        State().SetPageEnabled(k, kInputKind, true);
        State().SetPageEnabled(k, kInputKind + 1, s >= 1);
    }
    return ParameterListPage::kDialogId;
}

int ChannelFunctionsPage::GetPrevPageId() {
    const int p = State().ChannelPosition;
    if (p == 0) {
        // Leaving the channels: every answer and element choice starts afresh.
        ForgetAnswers();
        State().OutputMasks.Clear();
        return ChannelCountPage::kDialogId;
    }
    const bool pairs = Traits().pairs;
    State().ChannelPosition = p - (pairs ? 2 : 1);
    if (pairs)
        return GraphPage::kDialogId;
    State().PageKind = State().HighestEnabledKind(State().CurrentChannelIndex());
    return ParameterListPage::kDialogId;
}
