#include "TextFit.h"

#include "controls/CmyGraf.h"
#include "controls/CmyListCtrl.h"
#include "controls/CmyListCtrlTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>

namespace {

// A push button's frame and padding.
constexpr int kButtonRoom = 8;

std::string Owner(const QWidget& w) {
    for (const QWidget* p = &w; p; p = p->parentWidget())
        if (!p->objectName().isEmpty())
            return p->objectName().toStdString();
    return w.metaObject()->className();
}

QString Plain(QString text) { return text.remove('&'); }

// No word may be broken, and every line must be seen.
bool WrappedFits(const QFontMetrics& metrics, const QRect& room, const QString& text) {
    for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > room.width())
            return false;
    return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
}

bool LabelFits(const QLabel& label) {
    const QString text = label.text();
    if (text.isEmpty() || !label.pixmap().isNull() || label.textFormat() == Qt::RichText)
        return true;
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (!label.wordWrap())
        return metrics.horizontalAdvance(text) <= room.width();
    return WrappedFits(metrics, room, text);
}

void CheckList(const CmyListCtrl& list, std::vector<std::string>& cut) {
    const QHeaderView& header = *list.horizontalHeader();
    const QFontMetrics headerMetrics(header.font());
    const int headerMargin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    const QFontMetrics cellMetrics(list.font());
    for (int column = 0; column < list.columnCount(); ++column) {
        if (list.isColumnHidden(column))
            continue;
        const int width = list.columnWidth(column);
        const QTableWidgetItem* title = list.horizontalHeaderItem(column);
        if (title && headerMetrics.horizontalAdvance(title->text()) + headerMargin > width)
            cut.push_back(Owner(list) + " header: " + title->text().toStdString());
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.columnSpan(row, 0) > 1)
                continue; // a caption row spans the list
            const QString shown = QString::fromStdString(
                CmyListCtrlTexts::CellText(column, list.CellText(row, column)));
            const QRect room(0, 0, width - CmyListCtrl::kTextRoom, list.rowHeight(row));
            // Descriptions and values may wrap; names keep to one line.
            const bool fits =
                column != 1 ? WrappedFits(cellMetrics, room, shown)
                            : cellMetrics.horizontalAdvance(shown) <= room.width();
            if (!fits)
                cut.push_back(Owner(list) + " cell: " + shown.toStdString());
        }
    }
}

// Each range label inside its room and the control, none over another.
void CheckGraph(const CmyGraf& graf, std::vector<std::string>& cut) {
    const std::vector<AxisLabel> labels = graf.AxisLabels();
    const QRectF control(graf.rect());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const AxisLabel& label = labels[i];
        if (!label.room.contains(label.box) || !control.contains(label.box))
            cut.push_back(Owner(graf) + " axis label: " + label.text.toStdString());
        for (std::size_t j = 0; j < i; ++j)
            if (labels[j].box.intersects(label.box))
                cut.push_back(Owner(graf) + " axis labels overlap: " + labels[j].text.toStdString() +
                              " " + label.text.toStdString());
    }
}

} // namespace

std::vector<std::string> CutTexts(const QWidget& window) {
    std::vector<std::string> cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !LabelFits(*label))
            cut.push_back(Owner(*w) + ": " + label->text().toStdString());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const QString text = Plain(button->text());
            if (!text.isEmpty() &&
                QFontMetrics(button->font()).horizontalAdvance(text) + kButtonRoom > button->width())
                cut.push_back(Owner(*w) + ": " + text.toStdString());
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
            if (QFontMetrics(combo->font()).horizontalAdvance(combo->currentText()) + arrow +
                    kButtonRoom > combo->width())
                cut.push_back(Owner(*w) + ": " + combo->currentText().toStdString());
        }
        if (const auto* list = qobject_cast<const CmyListCtrl*>(w))
            CheckList(*list, cut);
        if (const auto* graf = qobject_cast<const CmyGraf*>(w))
            CheckGraph(*graf, cut);
    }
    return cut;
}
