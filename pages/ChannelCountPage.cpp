#include "pages/ChannelCountPage.h"

#include "config/FindShown.h"
#include "config/ModificationTraits.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "pages/ChannelPageId.h"
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

QString ExplanationOf(const ModificationTraits& t) {
    switch (t.countExplanation) {
    case CountExplanation::AllEight:
        return QString(kFullText).arg(t.number, 2, 10, QChar('0'));
    case CountExplanation::AllFourGateValve:
        return kGateValveText;
    case CountExplanation::Choose:
        return kChooseText;
    case CountExplanation::None:
        break;
    }
    return {};
}

QStringList CountsOf(const ModificationTraits& t) {
    QStringList counts;
    for (int n : t.counts)
        counts << QString::number(n);
    return counts;
}

} // namespace

ChannelCountPage::ChannelCountPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ChannelCountPage::OnInitDialog() {
    AddPicture(kPictureId);
    AddText(kLabelId, QRect(118, 11, 194, 40),
            "Укажите необходимое количество подключённых каналов в приборе", LargeFont());
    explanation = AddText(kExplanationId, QRect(118, 56, 194, 64), {});
    auto* list = new CmyComboBox(this, false);
    count = list;
    count->setObjectName(QString::number(kCountId));
    count->setGeometry(DialogUnits::Rect(118, 124, 60, 14));
    connect(list, &CmyComboBox::Chosen, this, [this](int index) {
        if (index >= 0)
            Sheet()->EnableNext(true);
    });
    return true;
}

void ChannelCountPage::OnPageShown() {
    Sheet()->setWindowTitle("Базовые параметры конфигурации");
    DeviceServices& device = *Services();
    const ModificationTraits& traits = TraitsOf(device.State().Modification);
    explanation->setText(ExplanationOf(traits));
    count->clear();
    count->addItems(CountsOf(traits));
    count->setCurrentIndex(-1);
    count->setFocus();
    Parameter* current = FindShown(device.Link().Table(), kCountName, 0);
    if (!current)
        return;
    // Showing only reads: the set-up writes belong to the change on Next.
    Sheet()->RunProcedure(
        this, [&device, current] { return device.Operations().ReadParameter(current); },
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
    const ModificationTraits& traits = TraitsOf(modification);
    const int channels = count->currentText().toInt();
    state.StartChannelWalk(channels);

    Parameter* current = FindShown(device.Link().Table(), kCountName, 0);
    if (!current)
        return -1;
    Sheet()->RunProcedure(
        this,
        [&device, current, channels] {
            current->value = std::to_string(channels);
            // The write runs the whole change of the count, with its busy window.
            return device.WriteParameterRequest(*current, 1);
        },
        [this, &traits](int result) {
            // A refusal was shown; the operator may try again.
            if (result == 0)
                Sheet()->ShowPageById(ChannelPageId(traits));
        });
    return -1;
}
