#pragma once
// How many channels the controller uses. Next writes the count, which
// reshapes the controller's channels, and plans the channel walk.

#include "shell/WizardPage.h"

class QComboBox;
class QLabel;

class ChannelCountPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 177;
    static constexpr int kPictureId = 135;
    static constexpr int kCountId = 1032;
    static constexpr int kExplanationId = 1027;
    static constexpr int kLabelId = 1056;

    explicit ChannelCountPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetNextPageId() override;

protected:
    bool OnInitDialog() override;

private:
    void ShowCount(const QString& count);

    QComboBox* count = nullptr;
    QLabel* explanation = nullptr;
};
