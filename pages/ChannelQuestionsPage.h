#pragma once
// What the two channel pages share: questions as labelled drop-down lists,
// the answers kept per channel, the writes an answer makes, and the rule
// that holds Next until every usable question is answered.

#include "shell/WizardPage.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class Parameter;
class QComboBox;
class QLabel;
class WizardState;
struct ModificationTraits;

class ChannelQuestionsPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kHeadingId = 1026;

protected:
    struct Question {
        QComboBox* combo = nullptr;
        QLabel* label = nullptr;
    };
    using ChoiceWrite = std::pair<Parameter*, int>; // parameter, choice number

    static constexpr std::uint8_t kUnanswered = 0xFF;
    // Where both pages keep these two answers.
    static constexpr int kComputing = 1;
    static constexpr int kInputs = 2;
    static constexpr int kChannels = 4;

    ChannelQuestionsPage(int dialogId, int questionCount, QWidget* parent);

    // The line above the questions, in the page's smaller bold font.
    void AddChannelHeading(const QString& text);
    // A label and its list in one row (dialog units); answered gets the
    // entry the operator accepted.
    Question AddQuestion(int labelId, int comboId, int y, int labelHeight, const QString& text,
                         std::function<void(int)> answered);

    // Caption and heading for channel number (1-based).
    void ShowChannel(int number);

    static void SetShown(const Question& q, bool on);
    static void SetUsable(const Question& q, bool on);
    // Replaces the entries; nothing is selected.
    static void Fill(QComboBox* combo, const QStringList& entries);
    // Selects the entry with this text; none when there is no such entry.
    static void SelectText(QComboBox* combo, const QString& text);

    int Answer(int channel, int question) const;
    // A negative selection forgets the answer.
    void Store(int channel, int question, int selection);
    void ForgetAnswers();
    void SelectAnswer(QComboBox* combo, int channel, int question);

    // Next only while no shown, usable question lacks an answer. Judged
    // within the page, so it holds while a write keeps the page disabled.
    void ApplyNextRule();

    // Sets each parameter to its choice and writes it through the sheet
    // (one attempt, the refusal shown), in order on the device worker; then
    // learns whether the first was written. A missing parameter is skipped.
    void WriteChoices(std::vector<ChoiceWrite> writes, std::function<void(bool written)> then = {});

    // Keeps answer s of channel k when the controller took it (written); a
    // refused answer is no answer: the list is cleared for the operator to
    // answer again. Applies the Next rule; answers written.
    bool StoreWritten(const Question& q, int k, int question, int s, bool written);

    // The computing block's number of inputs of channel position p: written
    // when its screen is left.
    void SetInputCount(int position, int question, int selection);

    // The computing block answered s for channel k (written: the controller
    // took it). A refused answer is no answer; without the block the channel
    // uses one input.
    void ComputingAnswered(const Question& computing, const Question& inputs, int k, int s,
                           bool written);

    // A parameter of the table; null (with the table's message) when missing.
    Parameter* Find(const char* name, int index) const;
    WizardState& State() const;
    int Modification() const;
    const ModificationTraits& Traits() const;

private:
    std::vector<QComboBox*> combos;
    std::vector<std::vector<std::uint8_t>> answers; // [channel][question]
    QLabel* heading = nullptr;
};
