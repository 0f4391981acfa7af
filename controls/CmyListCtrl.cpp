#include "controls/CmyListCtrl.h"

#include "controls/CmyComboBox1.h"
#include "controls/CmyEdit.h"
#include "controls/CmyListCtrlDelegate.h"
#include "controls/CmyListCtrlTexts.h"
#include "controls/CmyListCtrlTooltip.h"
#include "controls/LayoutFont.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

CmyListCtrl::CmyListCtrl(QWidget* parent)
    : QTableWidget(0, kColumns, parent), tooltip(new CmyListCtrlTooltip(*this)) {
    QFont listFont = LayoutFont::Sized(QFont("MS Shell Dlg"), 12);
    listFont.setWeight(QFont::Normal);
    listFont.setStyleHint(QFont::SansSerif);
    setFont(listFont);
    setItemDelegate(new CmyListCtrlDelegate(*this));
    setShowGrid(false);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    // Tab leaves the list for the page's next control, as in a dialog.
    setTabKeyNavigation(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    viewport()->setMouseTracking(true);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { StartEdit(index.row(), index.column()); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CmyListCtrl::CloseEditor);
}

CmyListCtrl::~CmyListCtrl() {
    // The editors' focus signals must not reach a list being torn down.
    if (edit)
        edit->disconnect(this);
    if (combo)
        combo->disconnect(this);
}

void CmyListCtrl::Setup(std::uint8_t settings) {
    editSettings = settings;
}

void CmyListCtrl::SetColumn(int column, const QString& title, int width) {
    setHorizontalHeaderItem(column, new QTableWidgetItem(title));
    columnWidths.at(column) = width;
    columnShares.at(column) = width;
    setColumnWidth(column, width);
}

void CmyListCtrl::SetRowHeight(int pixels) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(LayoutFont::Pixels(pixels));
}

bool CmyListCtrl::FitColumns(const std::array<int, kColumns>& widths) {
    columnWidths = widths;
    return FitColumns();
}

bool CmyListCtrl::FitColumns() {
    SetColumnWidths(0);
    const bool scrolls = verticalHeader()->length() > viewport()->height();
    if (scrolls)
        SetColumnWidths(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) / kColumns);
    return scrolls;
}

bool CmyListCtrl::FitColumnsToWidth() {
    const int room = width() - 2 * frameWidth();
    const int total = std::max(1, columnShares[0] + columnShares[1] + columnShares[2]);
    std::array<int, kColumns> widths{};
    int used = 0;
    for (int column = 0; column < kColumns; ++column) {
        widths[column] = column + 1 < kColumns ? columnShares[column] * room / total : room - used;
        used += widths[column];
    }
    return FitColumns(widths);
}

void CmyListCtrl::SetColumnWidths(int share) {
    for (int column = 0; column < kColumns; ++column)
        setColumnWidth(column, columnWidths[column] - share);
    FitTexts();
}

void CmyListCtrl::FitTexts() {
    const int total = columnWidth(0) + columnWidth(1) + columnWidth(2);
    const int names = std::max(columnWidth(1), NeededWidth(1, false));
    // What the names leave goes to descriptions and values as their widths
    // stood; values take more only where the descriptions still fit whole.
    const int rest = total - names;
    const int valuesPart = rest * columnWidth(2) / std::max(1, columnWidth(0) + columnWidth(2));
    const int values = std::max(
        NeededWidth(2, true), std::min(std::max(columnWidth(2), NeededWidth(2, false)),
                                       std::max(valuesPart, rest - NeededWidth(0, false))));
    setColumnWidth(1, names);
    setColumnWidth(2, values);
    setColumnWidth(0, std::max(NeededWidth(0, true), rest - values));
    FitRowHeights();
}

// The room a column needs for its title and texts: whole, or for the widest
// word of a text that may wrap.
int CmyListCtrl::NeededWidth(int column, bool byWord) const {
    const QFontMetrics cells(font());
    const QHeaderView& header = *horizontalHeader();
    const QTableWidgetItem* title = horizontalHeaderItem(column);
    int needed = title ? QFontMetrics(header.font()).horizontalAdvance(title->text()) +
                             2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header)
                       : 0;
    for (int row = 0; row < rowCount(); ++row) {
        if (columnSpan(row, 0) > 1)
            continue;
        const QString shown =
            QString::fromStdString(CmyListCtrlTexts::CellText(column, CellText(row, column)));
        for (const QString& part : byWord ? shown.split(' ', Qt::SkipEmptyParts) : QStringList{shown})
            needed = std::max(needed, cells.horizontalAdvance(part) + kTextRoom);
    }
    return needed;
}

// Descriptions and values wrap onto as many lines as they need.
void CmyListCtrl::FitRowHeights() {
    const QFontMetrics cells(font());
    const int standard = verticalHeader()->defaultSectionSize();
    for (int row = 0; row < rowCount(); ++row) {
        int height = standard;
        for (int column : {0, 2}) {
            if (columnSpan(row, 0) > 1)
                break;
            const QRect room(0, 0, columnWidth(column) - kTextRoom, standard * 10);
            const QString shown =
                QString::fromStdString(CmyListCtrlTexts::CellText(column, CellText(row, column)));
            height = std::max(height, cells.boundingRect(room, Qt::TextWordWrap, shown).height() + 4);
        }
        if (rowHeight(row) != height)
            setRowHeight(row, height);
    }
}

void CmyListCtrl::InsertRow(int row, const QString& text, std::uint8_t flags) {
    row = std::clamp(row, 0, rowCount());
    insertRow(row);
    rowFlags.insert(rowFlags.begin() + row, flags);
    rowParameters.insert(rowParameters.begin() + row, nullptr);
    for (int column = 0; column < kColumns; ++column)
        setItem(row, column, new QTableWidgetItem(column == 0 ? text : QString()));
    ApplySpan(row);
}

void CmyListCtrl::SetRowParameter(int row, Parameter* parameter) {
    if (row >= 0 && row < rowCount())
        rowParameters[row] = parameter;
    if (row == currentRow())
        NotifyFocusedRow();
}

Parameter* CmyListCtrl::RowParameter(int row) const {
    return row >= 0 && row < rowCount() ? rowParameters[row] : nullptr;
}

void CmyListCtrl::SetCellText(int row, int column, const std::string& text) {
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(QString::fromStdString(text));
}

std::string CmyListCtrl::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text().toStdString() : std::string();
}

std::uint8_t CmyListCtrl::RowFlags(int row) const {
    return row >= 0 && row < rowCount() ? rowFlags[row] : 0;
}

void CmyListCtrl::SetRowFlags(int row, std::uint8_t flags) {
    if (row < 0 || row >= rowCount())
        return;
    rowFlags[row] = flags;
    ApplySpan(row);
    viewport()->update();
    if (row == currentRow())
        NotifyFocusedRow();
}

void CmyListCtrl::SetRowDisabled(int row, bool disabled) {
    const std::uint8_t others = RowFlags(row) & ~kRowDisabled;
    SetRowFlags(row, disabled ? others | kRowDisabled : others);
}

bool CmyListCtrl::IsRowEnabled(int row) const {
    return (RowFlags(row) & kRowDisabled) == 0;
}

void CmyListCtrl::ClearRows() {
    CloseEditor();
    rowFlags.clear();
    rowParameters.clear();
    emit ControlHover(false, nullptr);
    setRowCount(0);
    lastFocusedRow = -1;
    answering = false;
}

int CmyListCtrl::FindRow(std::string_view name, int index) const {
    for (int row = 0; row < rowCount(); ++row) {
        const Parameter* p = rowParameters[row];
        if (p != nullptr && EqualsNoCase(p->name, name) && (index < 0 || p->index == index))
            return row;
    }
    return -1;
}

// The cursor stays on an editable column, where F2 and Enter edit.
void CmyListCtrl::FocusRow(int row) {
    if (row >= 0 && row < rowCount())
        setCurrentIndex(model()->index(row, std::max(currentColumn(), CursorColumn())));
}

void CmyListCtrl::ApplySpan(int row) {
    const bool caption = (RowFlags(row) & kRowCaption) != 0;
    const int span = caption ? kColumns : 1;
    if (columnSpan(row, 0) != span)
        setSpan(row, 0, 1, span);
}

// Nearest enabled row from the last focused one, in the direction the focus
// travelled; -1 when there is none.
int CmyListCtrl::EnabledRowFrom(int landed) const {
    const int step = landed > lastFocusedRow ? 1 : -1;
    for (int row = lastFocusedRow + step; row >= 0 && row < rowCount(); row += step)
        if (IsRowEnabled(row))
            return row;
    return -1;
}

QModelIndex CmyListCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and last row, as in any list.
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    QModelIndex landed = QTableWidget::moveCursor(action, modifiers);
    if (landed.isValid() && landed.column() < CursorColumn())
        landed = model()->index(landed.row(), CursorColumn());
    if (!landed.isValid() || IsRowEnabled(landed.row()))
        return landed;
    const int row = EnabledRowFrom(landed.row());
    return row >= 0 ? model()->index(row, landed.column()) : currentIndex();
}

void CmyListCtrl::mousePressEvent(QMouseEvent* e) {
    const QModelIndex under = indexAt(e->position().toPoint());
    if (!under.isValid() || IsRowEnabled(under.row())) {
        QTableWidget::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    FocusRow(EnabledRowFrom(under.row()));
    e->accept();
}

void CmyListCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (current.isValid() && IsRowEnabled(current.row()))
        lastFocusedRow = current.row();
    NotifyFocusedRow();
}

void CmyListCtrl::focusInEvent(QFocusEvent* e) {
    QTableWidget::focusInEvent(e);
    NotifyFocusedRow();
}

void CmyListCtrl::NotifyFocusedRow() {
    const int row = currentRow();
    if (row < 0)
        return;
    Parameter* p = RowParameter(row);
    const bool explained = p != nullptr && (RowFlags(row) & (kRowDisabled | kRowCaption)) == 0;
    emit ControlHover(explained, explained ? p : nullptr);
}

void CmyListCtrl::scrollContentsBy(int dx, int dy) {
    CloseEditor();
    QTableWidget::scrollContentsBy(dx, dy);
}

void CmyListCtrl::wheelEvent(QWheelEvent* e) {
    CloseEditor();
    QTableWidget::wheelEvent(e);
}

void CmyListCtrl::resizeEvent(QResizeEvent* e) {
    CloseEditor();
    QTableWidget::resizeEvent(e);
}

bool CmyListCtrl::viewportEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseMove:
        tooltip->MouseMoved(static_cast<QMouseEvent*>(e)->position().toPoint());
        break;
    case QEvent::Leave:
        tooltip->MouseLeft();
        break;
    case QEvent::ToolTip:
        return true; // the cells' own tip comes from the hover tooltip
    default:
        break;
    }
    return QTableWidget::viewportEvent(e);
}
