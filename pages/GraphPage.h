#pragma once
// The setpoint-correction graph of the current channel: its input, its
// nodes edited in a list and shown as a curve, written to the controller
// on Next (OK). Its reader thread reads the graph on every showing.

#include "shell/WizardPage.h"

#include <string>

class CmyComboBox1;
class CmyGraf;
class DeviceServices;
class GraphNodeList;
class PageThread;
class QSpinBox;

class GraphPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 196;
    static constexpr int kGraphId = 1060;
    static constexpr int kInputId = 1061;
    static constexpr int kCountEditId = 1017;
    static constexpr int kCountUpDownId = 1062;
    static constexpr int kNodeListId = 1022;
    static constexpr int kRows = 10;

    explicit GraphPage(QWidget* parent = nullptr);
    ~GraphPage() override;

    void OnPageShown() override;
    bool CanLeavePage() override;
    int GetPrevPageId() override;
    int GetNextPageId() override;
    void OnPageDestroying() override;

protected:
    bool OnInitDialog() override;

private:
    // Opened from the parameter list (OK and Cancel) rather than walked to.
    bool OpenedFromList() const;
    void FillInputs();
    void StopReader();

    // The reader thread's body; it touches no widget.
    void ReadGraph(DeviceServices& device, int channel);
    void Post(std::function<void()> onGuiThread);

    // On the GUI thread, as the reader goes.
    void SelectInput(bool read, const std::string& value);
    void AddNodeRow(int row, int nodeCount, int channel);
    void EndReading(bool failed);

    int NodeCount() const;
    void NodeCountChanged(int count);
    void RebuildCurve();
    bool NodesAcceptable() const;
    void GraphWritten();
    void ReturnToPreviousPage();

    CmyGraf* graph = nullptr;
    CmyComboBox1* input = nullptr;
    QSpinBox* count = nullptr;
    GraphNodeList* nodes = nullptr;
    PageThread* reader = nullptr;
    int channel = 0;
    // A value of the last reading is unknown: OK reads the graph again
    // rather than write what was never read.
    bool readFailed = false;
};
