#pragma once
// The last question page: the controller's reaction to the return of its
// supply voltage ("behv") and the front-panel indication parameters, which
// the page's own worker reads whenever the page is shown.

#include "shell/WizardPage.h"
#include "link/AbortEvent.h"

#include <atomic>
#include <functional>
#include <memory>

class CmyComboBox1;
class CmyListCtrl;
class CmyRichEditCtrl;
class DeviceServices;
class PageThread;
class ParameterHelpPopup;
class Parameter;

class ServicePage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 154;
    static constexpr int kReactionId = 1040;
    static constexpr int kHelpId = 1003;
    static constexpr int kIndicationListId = 1021;

    explicit ServicePage(QWidget* parent = nullptr);
    ~ServicePage() override;

    bool OnPageCreated() override;
    void OnPageShown() override;
    int GetNextPageId() override;
    void OnPageDestroying() override;
    void OnControlHover(Parameter* parameter, bool hasParameter) override;

protected:
    bool OnInitDialog() override;

private:
    void ReactionChosen(int index);
    // Reads behv into the reaction list; then the indication table too.
    void ReadBehv(bool thenTable);
    void BehvRead(int result, bool thenTable);
    void AllowNext();
    void StopWorker();

    // The worker's body: one pass over the indication entries per request.
    void ServeReadRequests(DeviceServices& device);
    void ReadIndicationTable(DeviceServices& device);
    void Post(std::function<void()> onGuiThread);
    void AddIndicationRow(int row, Parameter* parameter);
    void EndTableReading();

    Parameter* behv = nullptr;
    // The last read of behv failed: Next reads it again instead of leaving.
    bool behvUnread = false;
    CmyComboBox1* reaction = nullptr;
    CmyRichEditCtrl* help = nullptr;
    CmyListCtrl* indication = nullptr;
    std::unique_ptr<ParameterHelpPopup> helpPopup;
    PageThread* worker = nullptr;
    // Set by each showing, served once by the worker (auto-reset).
    AbortEvent readRequest{"read request"};
    std::atomic<bool> stopping{false};
};
