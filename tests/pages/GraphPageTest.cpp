// The setpoint-correction graph page against the simulated controller: what
// it reads, what the operator may enter and what reaches the controller.

#include "Screenshot.h"
#include "WizardOnSim.h"

#include "controls/CmyGraf.h"
#include "pages/GraphNodeList.h"
#include "pages/GraphPage.h"

#include <QElapsedTimer>
#include <QSpinBox>

namespace {

struct Node {
    const char* x;
    const char* y;
};

class GraphPageOnSim : public WizardOnSim {
protected:
    // The wizard in the modification, at the channel position, with the
    // channel's graph already on the controller.
    void Start(int modification, int position, const std::vector<Node>& graph,
               Simulator::Options options = {}) {
        options.model.modification = modification;
        StartWizard(options);
        WizardState& state = wizard().State();
        state.Modification = modification;
        state.ChannelCount = 4;
        state.ChannelPosition = position;
        const int first = 10 * state.CurrentChannelIndex();
        std::vector<std::pair<std::string, int>> writes;
        wizard().RunOnDevice(&wizard(), [&, first] {
            int failed = 0;
            for (std::size_t n = 0; n < graph.size(); ++n) {
                failed += Write("absc", first + int(n), graph[n].x);
                failed += Write("ordn", first + int(n), graph[n].y);
            }
            return failed + Write("node", first, std::to_string(graph.size()));
        }, [](int failed) { EXPECT_EQ(failed, 0); });
        ASSERT_TRUE(WaitIdle());
        NewJournal();
    }
    int Write(const char* name, int index, const std::string& value) {
        Parameter* p = link().FindParameter(name, index);
        p->value = value;
        return wizard().WriteParameterRequest(*p, 1);
    }
    void ShowGraph() {
        ASSERT_TRUE(wizard().ShowPageById(GraphPage::kDialogId));
        ASSERT_TRUE(WaitUntil([this] { return Page()->isEnabled(); }, 10000));
    }
    WizardPage* Page() { return wizard().FindPageById(GraphPage::kDialogId); }
    GraphNodeList* Nodes() { return Control<GraphNodeList>(GraphPage::kNodeListId); }
    QSpinBox* Count() { return Control<QSpinBox>(GraphPage::kCountUpDownId); }
    std::vector<std::string> Column(int column) { return ColumnTexts(*Nodes(), column); }
    std::vector<double> CurveX() {
        std::vector<double> x;
        for (const GraphPoint& p : Control<CmyGraf>(GraphPage::kGraphId)->Layout().points)
            x.push_back(p.x);
        return x;
    }
    void EditCell(int row, int column, const char* text) {
        Nodes()->StartEdit(row, column);
        ASSERT_NE(Nodes()->Edit(), nullptr) << row << "," << column;
        Nodes()->Edit()->setText(QString::fromUtf8(text));
        Nodes()->AcceptEdit();
    }
    bool NextEnabled() { return Button(WizardSheet::kNextId)->isEnabled(); }
};

// Modification 1: the page opened from a parameter list of channel 2.
TEST_F(GraphPageOnSim, ReadsEditsChecksAndWritesTheGraphInAscendingX) {
    Start(1, 1, {{"0.0", "1.0"}, {"10.0", "2.0"}, {"20.0", "3.0"}});
    ShowGraph();
    EXPECT_EQ(wizard().windowTitle(), "Задайте график коррекции уставки в канале");
    EXPECT_EQ(Button(WizardSheet::kBackId)->text(), "&Отмена");
    EXPECT_EQ(Button(WizardSheet::kNextId)->text(), "&OK");
    EXPECT_EQ(Control<CmyGraf>(GraphPage::kGraphId)->GraphNumber(), 2);
    EXPECT_EQ(Count()->value(), 3);
    ASSERT_EQ(Nodes()->rowCount(), 10);
    EXPECT_EQ(Nodes()->CellText(9, 0), "10.");
    EXPECT_EQ(Column(1)[2], "20.000");
    EXPECT_EQ(Column(2)[2], "3.000");
    EXPECT_TRUE(Nodes()->IsRowEnabled(2));
    EXPECT_FALSE(Nodes()->IsRowEnabled(3));
    EXPECT_EQ(CurveX(), (std::vector<double>{0, 10, 20}));

    // A graph needs two nodes; raising the count brings rows and points at once.
    Count()->setValue(1);
    EXPECT_FALSE(NextEnabled());
    Count()->setValue(5);
    EXPECT_TRUE(NextEnabled());
    EXPECT_TRUE(Nodes()->IsRowEnabled(4));
    EXPECT_EQ(CurveX().size(), 5u);

    // Refused values keep the cell; accepted ones move the curve.
    prompter.Script(PromptAnswer::Ok);
    EditCell(1, GraphNodeList::kXColumn, "99999");
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].text, "Параметру absc не может быть присвоено значение 99999.\n"
                                         "Значение должно быть от -9999.000 до 9999.000.");
    EXPECT_EQ(prompter.Shown()[0].caption, "Значение параметра");
    EXPECT_EQ(Column(1)[1], "10.000");
    EditCell(0, GraphNodeList::kXColumn, "30");
    EditCell(0, GraphNodeList::kYColumn, "-5");
    EXPECT_EQ(CurveX(), (std::vector<double>{10, 20, 30, 30, 40}));
    SaveScreenshot(wizard().grab(), "graph_page");

    // Rows 1 and 4 now share X 30: nothing is written.
    prompter.Script(PromptAnswer::Ok);
    Press(WizardSheet::kNextId);
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[1].text,
              "Совпадение значений Х. Одинаковые значения этого параметра не допустимы!");
    EXPECT_EQ(prompter.Shown()[1].caption, "Предупреждение");
    EXPECT_EQ(ActivePageId(), GraphPage::kDialogId);
    EXPECT_TRUE(NewJournal().empty());

    // A disabled row's X does not count; the rest goes count first, in ascending X.
    Count()->setValue(3);
    Press(WizardSheet::kNextId);
    EXPECT_EQ(NewJournal(), (std::vector<std::string>{
                                "in.gr[1]=Не используется #0", "node[10]=0", "absc[10]=10.000",
                                "ordn[10]=2.000", "absc[11]=20.000", "ordn[11]=3.000", "absc[12]=30.000",
                                "ordn[12]=-5.000", "node[10]=3", "or.sp[3]=График №2 #2"}));
    EXPECT_EQ(ActivePageId(), ParameterListPage::kDialogId);
    EXPECT_EQ(Button(WizardSheet::kBackId)->text(), "< &Назад");
    EXPECT_EQ(Button(WizardSheet::kNextId)->text(), "&Вперед >");
}

TEST_F(GraphPageOnSim, CancelSwitchesTheCorrectionOffAndWritesNothingElse) {
    Start(1, 0, {{"0.0", "1.0"}, {"10.0", "2.0"}});
    wizard().State().PageKind = 26;
    wizard().State().SetPageEnabled(0, 26, 1);
    ShowGraph();
    EditCell(1, GraphNodeList::kYColumn, "7");
    Press(WizardSheet::kBackId);
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"or.sp[0]=Нет коррекции #0"});
    EXPECT_EQ(ActivePageId(), ParameterListPage::kDialogId);
    EXPECT_EQ(wizard().State().PageKind, 26);
}

// Modification 5 walks the channels in pairs: each graph takes the pair's
// second input, and the last pair goes on to the service page.
TEST_F(GraphPageOnSim, ModificationFiveWalksToTheNextPairThenToTheServicePage) {
    Start(5, 0, {{"0.0", "0.0"}, {"10.0", "1.0"}});
    ShowGraph();
    auto* input = Control<QComboBox>(GraphPage::kInputId);
    ASSERT_EQ(input->count(), 1);
    EXPECT_EQ(input->itemText(0), "Вход №2");
    EXPECT_EQ(Button(WizardSheet::kNextId)->text(), "&Вперед >");
    Press(WizardSheet::kNextId);
    EXPECT_EQ(NewJournal(), (std::vector<std::string>{"in.gr[0]=Вход №2 #2", "node[0]=0",
                                                      "absc[0]=0.000", "ordn[0]=0.000", "absc[1]=10.000",
                                                      "ordn[1]=1.000", "node[0]=2"}));
    EXPECT_EQ(ActivePageId(), ChannelFunctionsPage::kDialogId);
    EXPECT_EQ(wizard().State().ChannelPosition, 2);
    EXPECT_EQ(wizard().State().PageKind, 1);

    // Back from the second pair's graph returns to its last screen.
    wizard().State().SetPageEnabled(1, 41, 1);
    ShowGraph();
    input = Control<QComboBox>(GraphPage::kInputId);
    EXPECT_EQ(input->itemText(0), "Вход №4");
    EXPECT_EQ(Count()->value(), 0);
    EXPECT_FALSE(NextEnabled());
    Press(WizardSheet::kBackId);
    EXPECT_EQ(wizard().State().PageKind, 41);
    EXPECT_EQ(ActivePageId(), ParameterListPage::kDialogId);
    EXPECT_TRUE(NewJournal().empty());

    ShowGraph();
    Count()->setValue(2);
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), ServicePage::kDialogId);
}

// Yes to the exit question ends the program at once, also while the graph
// is read or written on a slow line.
class GraphExitOnSim : public GraphPageOnSim, public testing::WithParamInterface<bool> {};

TEST_P(GraphExitOnSim, ExitEndsTheProgramWithinASecond) {
    const bool writing = GetParam();
    Start(1, 0, {{"0.0", "1.0"}, {"10.0", "2.0"}});
    if (writing)
        ShowGraph();
    FaultSettings slow;
    slow.delayMs = 150;
    sim().SetFaults(slow);
    if (writing)
        Button(WizardSheet::kNextId)->click();
    else
        wizard().ShowPageById(GraphPage::kDialogId);
    QTest::qWait(400);
    ASSERT_TRUE(writing ? wizard().IsProcedureRunning() : !Page()->isEnabled());
    prompter.Script(PromptAnswer::Yes);
    QElapsedTimer clock;
    clock.start();
    Button(WizardSheet::kExitId)->click();
    EXPECT_TRUE(WaitUntil([this] { return !wizard().isVisible(); }, 1000));
    EXPECT_LT(clock.elapsed(), 1000);
}

INSTANTIATE_TEST_SUITE_P(ReadingAndWriting, GraphExitOnSim, testing::Bool());

} // namespace
