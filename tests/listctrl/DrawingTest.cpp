// What the owner drawing puts on screen, checked by the colours in each row.

#include "ListFixture.h"
#include "controls/CmyListCtrlTexts.h"
#include "config/WizardState.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace {

class ListDrawing : public ListFixture {
protected:
    // Pixels of exactly this colour within the row.
    int CountInRow(const QImage& image, int row, const QColor& colour) const {
        const QRect area = list->visualRect(list->model()->index(row, 0))
                               .united(list->visualRect(list->model()->index(row, 2)))
                               .translated(list->viewport()->pos());
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }
};

TEST_F(ListDrawing, RowsShowTheirStateInColour) {
    AddRow({"db", "DEC_dot", 0, 10, "1"});
    AddCaption("Регулятор");
    AddRow({"Pb", "STORED_DOT", 0, 10, "Нет данных"});
    AddRow({"ti", "DEC_dot", 0, 10, "5"}, CmyListCtrl::kRowDisabled);
    AddRow({"td", "DEC_dot", 0, 10, "5"});
    list->SetCellText(4, 2, CmyListCtrlTexts::kReading);
    list->FocusRow(0);
    const QImage image = list->grab().toImage();

    const QColor black(Qt::black);
    const int rowArea = list->viewport()->width() * 20;
    EXPECT_GT(CountInRow(image, 0, QColor(210, 210, 210)), rowArea / 2) << "focused fill";
    EXPECT_GT(CountInRow(image, 0, QColor(100, 100, 100)), 0) << "focused frame";
    EXPECT_GT(CountInRow(image, 1, QColor(0, 0, 180)), 0) << "caption";
    EXPECT_EQ(CountInRow(image, 1, black), 0) << "a caption shows no other text";
    EXPECT_GT(CountInRow(image, 2, QColor(255, 0, 0)), 0) << "unread value";
    EXPECT_GT(CountInRow(image, 3, QColor(170, 170, 170)), 0) << "grey row";
    EXPECT_EQ(CountInRow(image, 3, black), 0) << "nothing black in a grey row";
    EXPECT_GT(CountInRow(image, 4, QColor(0, 128, 64)), 0) << "reading";
    EXPECT_GT(CountInRow(image, 4, QColor(243, 244, 227)), 0) << "grid lines";
    EXPECT_LT(CountInRow(image, 4, QColor(210, 210, 210)), rowArea / 10)
        << "only the focused row is filled";
}

TEST_F(ListDrawing, FontHasCyrillicGlyphs) {
    const QFontMetrics metrics(list->font());
    for (const QChar c : QString("Значение Нет данных"))
        EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
}

TEST_F(ListDrawing, CellTextShowsUnreadAsNotAvailableOutsideTheDescription) {
    EXPECT_EQ(CmyListCtrlTexts::CellText(0, kNoData), kNoData);
    EXPECT_EQ(CmyListCtrlTexts::CellText(1, kNoData), "Н/Д");
    EXPECT_EQ(CmyListCtrlTexts::CellText(2, kNoData), "Н/Д");
    EXPECT_EQ(CmyListCtrlTexts::CellText(2, "12.000"), "12.000");
}

// A list as a regulator screen shows it; LISTCTRL_SCREENSHOT names a file
// to keep the picture in.
TEST_F(ListDrawing, RegulatorScreenWithAnOpenList) {
    sheet.state.Modification = 4;
    AddCaption("Регулятор 1");
    AddRow({"rEG.t", "нет:ПИД:Двухпозиционный", 0, 0, "ПИД"});
    AddRow({"db", "STORED_DOT", 0, 200, "1.500"});
    AddRow({"Pb", "STORED_DOT", 0.1, 9999, "Нет данных"});
    AddRow({"ti", "DEC_dot", 0, 3999, "120"});
    AddRow({"td.ti", "STORED_DOT", 0, 0.3, "0.150"});
    AddRow({"i.Upr", "STORED_DOT", 0, 100, "0.000"}, CmyListCtrl::kRowDisabled);
    AddRow({"i.min", "STORED_DOT", 0, 100, "0.000"}, CmyListCtrl::kRowDisabled);
    AddCaption("Выход");
    AddRow({"OP", "не_подключен:ВЭ №1:ВЭ №2:ВЭ №3:ВЭ №4", 0, 0, "ВЭ №1"});
    AddRow({"tHP", "CLK_frm", 1, 900, "10"});
    AddRow({"P.nom", "STORED_DOT", 0, 100, "Нет данных"}, CmyListCtrl::kRowDisabled);
    list->SetCellText(5, 2, CmyListCtrlTexts::kReading);
    for (int row = 0; row < list->rowCount(); ++row)
        if (Parameter* p = list->RowParameter(row))
            p->displayName = list->item(row, 0)->text().toStdString() + " длинное описание";
    window.resize(330, 330);
    list->FitColumns({150, 55, 81});
    list->FocusRow(2);
    CmyComboBox1& combo = OpenCombo(9);
    combo.showPopup();
    ASSERT_NE(list->Combo(), nullptr) << "dropping the list down must not close it";
    ASSERT_TRUE(combo.view()->isVisible());

    QPixmap picture = window.grab();
    {
        QPainter painter(&picture);
        QWidget* popup = combo.view()->window();
        painter.drawPixmap(window.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    }
    EXPECT_FALSE(picture.isNull());
    if (const char* path = std::getenv("LISTCTRL_SCREENSHOT")) {
        EXPECT_TRUE(picture.save(path));
    }
    combo.hidePopup();
}

} // namespace
