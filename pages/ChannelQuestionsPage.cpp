#include "pages/ChannelQuestionsPage.h"

#include "config/FindShown.h"
#include "config/ModificationTraits.h"
#include "config/PageKinds.h"
#include "config/WizardState.h"
#include "config/ParametersByIndex.h"
#include "controls/CmyComboBox.h"
#include "device/DeviceLink.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/WizardSheet.h"

#include <QLabel>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int kLabelX = 7;
constexpr int kLabelWidth = 180;
constexpr int kListX = 190;
// Wide enough for "Выходной элемент №8" with its arrow.
constexpr int kListWidth = 123;
constexpr int kListHeight = 14;
const QColor kUnusableText(128, 128, 128);

} // namespace

ChannelQuestionsPage::ChannelQuestionsPage(int dialogId, int questionCount, QWidget* parent)
    : WizardPage(dialogId, parent),
      answers(kChannels, std::vector<std::uint8_t>(questionCount, kUnanswered)) {}

void ChannelQuestionsPage::AddChannelHeading(const QString& text) {
    heading = AddText(kHeadingId, QRect(kLabelX, 4, 306, 24), text, SmallFont());
}

ChannelQuestionsPage::Question ChannelQuestionsPage::AddQuestion(int labelId, int comboId, int y,
                                                                 int labelHeight,
                                                                 const QString& text,
                                                                 std::function<void(int)> answered) {
    Question q;
    q.label = AddText(labelId, QRect(kLabelX, y, kLabelWidth, labelHeight), text);
    auto* combo = new CmyComboBox(this, false);
    q.combo = combo;
    q.combo->setObjectName(QString::number(comboId));
    q.combo->setGeometry(DialogUnits::Rect(kListX, y, kListWidth, kListHeight));
    q.label->setBuddy(q.combo);
    // The page's look paints every text black; a question out of use is grey.
    QPalette look = q.label->palette();
    look.setColor(QPalette::Disabled, QPalette::WindowText, kUnusableText);
    q.label->setPalette(look);
    connect(combo, &CmyComboBox::Chosen, this, std::move(answered));
    combos.push_back(q.combo);
    return q;
}

void ChannelQuestionsPage::ShowChannel(int number) {
    Sheet()->setWindowTitle("Задание общих параметров канала");
    heading->setText(QString("Задайте основные параметры канала №%1").arg(number));
}

void ChannelQuestionsPage::SetShown(const Question& q, bool on) {
    q.combo->setVisible(on);
    q.label->setVisible(on);
}

void ChannelQuestionsPage::SetUsable(const Question& q, bool on) {
    q.combo->setEnabled(on);
    q.label->setEnabled(on);
}

void ChannelQuestionsPage::Fill(QComboBox* combo, const QStringList& entries) {
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
}

void ChannelQuestionsPage::SelectText(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
}

int ChannelQuestionsPage::Answer(int channel, int question) const {
    if (channel < 0 || channel >= kChannels)
        return -1;
    const std::uint8_t a = answers[channel].at(question);
    return a == kUnanswered ? -1 : a;
}

void ChannelQuestionsPage::Store(int channel, int question, int selection) {
    if (channel < 0 || channel >= kChannels)
        return;
    answers[channel].at(question) = selection < 0 ? kUnanswered : std::uint8_t(selection);
}

void ChannelQuestionsPage::ForgetAnswers() {
    for (auto& channel : answers)
        std::fill(channel.begin(), channel.end(), kUnanswered);
}

void ChannelQuestionsPage::SelectAnswer(QComboBox* combo, int channel, int question) {
    const int a = Answer(channel, question);
    combo->setCurrentIndex(a < combo->count() ? a : -1);
}

void ChannelQuestionsPage::ApplyNextRule() {
    bool missing = false;
    for (const QComboBox* combo : combos)
        missing = missing || (combo->isVisibleTo(this) && combo->isEnabledTo(this) &&
                               combo->currentIndex() < 0);
    Sheet()->EnableNext(!missing);
}

void ChannelQuestionsPage::WriteChoices(std::vector<ChoiceWrite> writes,
                                        std::function<void(bool)> then) {
    DeviceServices& device = *Services();
    // The operator goes on answering with the keyboard where he was.
    QPointer<QWidget> focus = focusWidget();
    Sheet()->RunProcedure(
        this,
        [&device, writes] {
            int first = -1;
            for (const auto& [p, number] : writes) {
                int result = 1;
                if (p) {
                    SetChoice(*p, number);
                    result = device.WriteParameterRequest(*p, 1);
                }
                if (first < 0)
                    first = result;
            }
            return first;
        },
        [then, focus](int result) {
            if (then)
                then(result == 0);
            if (focus && focus->isEnabled())
                focus->setFocus();
        });
}

bool ChannelQuestionsPage::StoreWritten(const Question& q, int k, int question, int s,
                                        bool written) {
    Store(k, question, written ? s : -1);
    if (!written)
        q.combo->setCurrentIndex(-1);
    ApplyNextRule();
    return written;
}

void ChannelQuestionsPage::SetInputCount(int position, int question, int selection) {
    if (selection < 0)
        return;
    if (Parameter* inputs = Find("n.in.c", 8 * position)) {
        inputs->value = std::to_string(selection + 1);
        inputs->changed = true;
    }
    Store(State().CurrentChannelIndex(), question, selection);
    ApplyNextRule();
}

void ChannelQuestionsPage::ComputingAnswered(const Question& computing, const Question& inputs,
                                             int k, int s, bool written) {
    StoreWritten(computing, k, kComputing, s, written);
    if (s == 0) {
        SelectText(inputs.combo, "1");
        SetInputCount(State().ChannelPosition, kInputs, inputs.combo->currentIndex());
    }
    SetUsable(inputs, s == 1);
    State().SetPageEnabled(k, kComputingBlockKind, s != 0);
    ApplyNextRule();
}

Parameter* ChannelQuestionsPage::Find(const char* name, int index) const {
    return FindShown(Services()->Link().Table(), name, index);
}

WizardState& ChannelQuestionsPage::State() const { return Services()->State(); }

int ChannelQuestionsPage::Modification() const { return State().Modification; }

const ModificationTraits& ChannelQuestionsPage::Traits() const { return TraitsOf(Modification()); }
