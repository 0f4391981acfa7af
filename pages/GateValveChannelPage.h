#pragma once
// A channel's functional blocks in the gate-valve modifications 3 and 6:
// position sensor, computing block, inputs, and in 6 inspector and
// loop-break alarm.

#include "pages/ChannelQuestionsPage.h"

class GateValveChannelPage : public ChannelQuestionsPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 191;
    static constexpr int kSensorId = 1032;
    static constexpr int kComputingId = 1033;
    static constexpr int kInputsId = 1034;
    static constexpr int kInspectorId = 1035;
    static constexpr int kLbaId = 1036;

    explicit GateValveChannelPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetNextPageId() override;
    int GetPrevPageId() override;

protected:
    bool OnInitDialog() override;

private:
    // Besides kComputing and kInputs of the base.
    enum Answers { kSensor, kInspector = kInputs + 1, kLba, kAnswerCount };

    void OfferInputs(int sensor);
    void SensorChosen(int s);
    void ComputingChosen(int s);
    void ComputingWritten(int k, int s, bool written);
    void InspectorChosen(int s);
    void LbaChosen(int s);

    Question sensor, computing, inputs, inspector, lba;
};
