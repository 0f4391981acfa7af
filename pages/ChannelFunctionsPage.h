#pragma once
// A channel's functional blocks in modifications 4 and 5: inspector,
// computing block, inputs, loop-break alarm, and the two output elements.

#include "config/OutputElementMasks.h"
#include "pages/ChannelQuestionsPage.h"

class ChannelFunctionsPage : public ChannelQuestionsPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 194;
    static constexpr int kInspectorId = 1032;
    static constexpr int kComputingId = 1033;
    static constexpr int kInputsId = 1034;
    static constexpr int kLbaId = 1035;
    static constexpr int kFirstElementId = 1036;
    static constexpr int kSecondElementId = 1037;

    explicit ChannelFunctionsPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetNextPageId() override;
    int GetPrevPageId() override;

protected:
    bool OnInitDialog() override;

private:
    // Besides kComputing and kInputs of the base.
    enum Answers { kInspector, kLba = kInputs + 1, kAnswerCount };

    void InspectorChosen(int s);
    void ComputingChosen(int s);
    void ComputingWritten(int k, int s, bool written);
    void LbaChosen(int s);
    void FirstElementChosen();
    void SecondElementChosen();
    // Puts the element names no other channel holds into the list and
    // selects its text of before again.
    void OfferFreeElements(QComboBox* combo, int k);
    void ChooseElement(QComboBox* combo, OutputWhich which);

    Question inspector, computing, inputs, lba, first, second;
};
