#include "WizardOnPeer.h"

#include <QComboBox>

namespace {

class FillChoicesTest : public WizardOnPeer {
protected:
    QStringList Offered(Parameter& p) {
        QComboBox combo;
        wizard.FillChoices(combo, p);
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        return items;
    }
    static QString Element(int n) { return QString("Выходной элемент №%1").arg(n); }
};

TEST_F(FillChoicesTest, OutputElementsOfEarlierChannelsAreNotOfferedAgain) {
    struct Row {
        int modification;
        int position;
        const char* name;
        int index;
        int own; // own value: element number, 0 "Не подключен"
        std::vector<int> absent, present;
    } rows[] = {
        // Channel 0 drives 2 and 3, its inspectors 5 and 6.
        {3, 1, "op", 2, 0, {2, 3}, {1, 4, 5, 6}},
        {3, 1, "op", 2, 3, {2}, {3, 4}},            // its own value stays
        {3, 1, "rel.a", 1, 0, {2, 3}, {5, 6}},      // inspectors count in 6 only
        {6, 1, "rel.a", 1, 6, {2, 3, 5}, {6, 7}},
        {6, 1, "op", 2, 0, {2, 3, 5, 6}, {1, 4}},
        {6, 0, "op", 0, 0, {5}, {2, 3, 6}},         // the own channel's inspector too
        {1, 1, "op", 2, 0, {}, {2, 3, 5, 6}},       // other modifications: all
        {4, 1, "op", 2, 0, {}, {2, 3}},
    };
    P("OP", 0).value = Element(2).toStdString();
    P("OP", 1).value = Element(3).toStdString();
    P("rel.a", 0).value = Element(5).toStdString();
    P("rel.a", 1).value = Element(6).toStdString();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.modification) + " " + row.name);
        wizard.State().Modification = row.modification;
        wizard.State().ChannelPosition = row.position;
        Parameter& p = P(row.name, row.index);
        const std::string saved = p.value;
        p.value = row.own ? Element(row.own).toStdString() : "Не подключен";
        const QStringList offered = Offered(p);
        p.value = saved;
        EXPECT_TRUE(offered.contains("Не подключен")) << "a channel may always stay unconnected";
        for (int n : row.absent)
            EXPECT_FALSE(offered.contains(Element(n))) << n;
        for (int n : row.present)
            EXPECT_TRUE(offered.contains(Element(n))) << n;
    }
}

TEST_F(FillChoicesTest, MasksHideChoicesByModification) {
    Parameter p("Pou");
    p.format = "Ключ:ЦАП_4-20:Не_используется:Симистор";
    p.choiceMasks = {0x00, 0x80, 0x04};
    wizard.State().Modification = 3;
    EXPECT_EQ(Offered(p), QStringList({"Ключ", "Симистор"}));
    wizard.State().Modification = 2;
    EXPECT_EQ(Offered(p), QStringList({"Ключ", "Не используется", "Симистор"}));
}

TEST(IsChoiceMissing, OnlyAVisibleEnabledListWithoutSelection) {
    QWidget window;
    auto* combo = new QComboBox(&window);
    window.show();
    EXPECT_TRUE(WizardMainDialog::IsChoiceMissing(*combo));
    combo->addItem("Нет");
    combo->setCurrentIndex(0);
    EXPECT_FALSE(WizardMainDialog::IsChoiceMissing(*combo));
    combo->setCurrentIndex(-1);
    combo->setEnabled(false);
    EXPECT_FALSE(WizardMainDialog::IsChoiceMissing(*combo));
    combo->setEnabled(true);
    combo->hide();
    EXPECT_FALSE(WizardMainDialog::IsChoiceMissing(*combo));
}

TEST(CurrentChannelIndex, CountsPairsInModificationFive) {
    WizardState state;
    state.ChannelPosition = 5;
    state.Modification = 5;
    EXPECT_EQ(state.CurrentChannelIndex(), 2);
    state.Modification = 4;
    EXPECT_EQ(state.CurrentChannelIndex(), 5);
}

TEST(PageEnableTable, IgnoresCellsOutside) {
    WizardState state;
    state.SetPageEnabled(3, 99, 1);
    state.SetPageEnabled(4, 0, 1);
    state.SetPageEnabled(0, 100, 1);
    EXPECT_EQ(state.PageEnabled(3, 99), 1);
    EXPECT_EQ(state.PageEnabled(4, 0), 0);
    EXPECT_EQ(state.PageEnabled(0, 100), 0);
}

} // namespace
