#pragma once
// The three-column parameter list of the wizard's pages: description, name
// and value, the value edited in place. The list only shows and edits: an
// accepted value goes to its page, which answers with what to show.

#include "controls/CmyComboBox1.h"
#include "controls/CmyEdit.h"
#include "params/Parameter.h"

#include <QPointer>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class CmyListCtrlTooltip;
class ParameterRequests;

class CmyListCtrl : public QTableWidget {
    Q_OBJECT
public:
    // Bits of RowFlags.
    static constexpr std::uint8_t kRowDisabled = 1; // grey, not editable, skipped by the focus
    static constexpr std::uint8_t kRowCaption = 2;  // a centred heading, not editable
    static constexpr std::uint8_t kRowDeferred =
        4; // an accepted value waits for the page to write it
    // EditSettings: bit 0 read-only, bits 2..4 the first editable column.
    static constexpr std::uint8_t kReadOnly = 1;
    static constexpr int kColumns = 3;
    // A cell's text indent and its edges: the room a cell takes beside its text.
    static constexpr int kTextRoom = 5;

    explicit CmyListCtrl(QWidget* parent = nullptr);
    ~CmyListCtrl() override;

    void Setup(std::uint8_t editSettings);
    // The sheet that fills the drop-down choices; may stay null.
    void SetRequests(ParameterRequests* sheet) { requests = sheet; }
    void SetColumn(int column, const QString& title, int width);
    void SetRowHeight(int pixels);

    // Sets each column to its width less a share of a vertical scroll bar
    // when the rows do not fit; true when they do not. Names and values are
    // never cut: the names' column grows to the widest, descriptions and
    // values wrap onto more lines where they must.
    bool FitColumns();
    bool FitColumns(const std::array<int, kColumns>& widths);
    // The same with the widths SetColumn gave taken as shares of the list's
    // width, which grows with the font and the window.
    bool FitColumnsToWidth();

    void InsertRow(int row, const QString& text, std::uint8_t flags);
    void SetRowParameter(int row, Parameter* parameter);
    Parameter* RowParameter(int row) const;
    void SetCellText(int row, int column, const std::string& text);
    std::string CellText(int row, int column) const;
    std::uint8_t RowFlags(int row) const;
    void SetRowFlags(int row, std::uint8_t flags);
    void SetRowDisabled(int row, bool disabled);
    bool IsRowEnabled(int row) const;

    virtual void ClearRows();
    int FindRow(std::string_view name, int index) const;
    void FocusRow(int row);
    void CloseEditor();

    // Opens the editor for a cell, as a double click does.
    void StartEdit(int row, int column);
    virtual void AcceptEdit();
    // The page has answered the accepted value and shown its rows: the
    // editor closes and the list takes values again.
    void EndEdit();
    CmyEdit* Edit() const { return edit; }
    CmyComboBox1* Combo() const { return combo; }
    int EditedRow() const { return editedRow; }
    int EditedColumn() const { return editedColumn; }

signals:
    // The focused row's parameter for the page's help box; false and null
    // when the focused row has none to explain or the rows are cleared.
    void ControlHover(bool hasParameter, Parameter* parameter);
    // The operator accepted text for the cell's parameter, a value other than
    // the one it holds ("Н/Д" already read as "Нет данных"). Until EndEdit
    // the list takes no other value.
    void ValueAccepted(int row, int column, Parameter* parameter, const QString& text);

protected:
    virtual Parameter* GetEditedParameter();
    virtual void BeginEdit(const QRect& cell);
    void DestroyEditors();

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // F2 and Enter edit the focused row's value (or the focused cell of an
    // editable column), as in any item view.
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void OpenCombo(const QRect& cell, Parameter& parameter);
    void OpenEdit(const QRect& cell, Parameter& parameter);
    void ChooseFromCombo();
    void CancelEdit();
    std::string EditorText() const;
    int FirstEditableColumn() const { return (editSettings >> 2) & 7; }
    int CursorColumn() const { return std::min(FirstEditableColumn(), kColumns - 1); }
    int EnabledRowFrom(int landed) const;
    void NotifyFocusedRow();
    void ApplySpan(int row);
    void SetColumnWidths(int share);
    void FitTexts();
    int NeededWidth(int column, bool byWord) const;
    void FitRowHeights();

    std::uint8_t editSettings = 0;
    QPointer<CmyEdit> edit;
    int editedRow = -1;
    int editedColumn = -1;
    std::vector<std::uint8_t> rowFlags;
    std::vector<Parameter*> rowParameters;
    int lastFocusedRow = -1;
    CmyListCtrlTooltip* tooltip = nullptr;
    QPointer<CmyComboBox1> combo;
    std::array<int, kColumns> columnWidths{};
    std::array<int, kColumns> columnShares{}; // the layout's widths
    bool editing = false;
    bool accepting = false; // a box shown while accepting takes the focus away
    bool answering = false; // an accepted value waits for the page's answer
    ParameterRequests* requests = nullptr;
};

// Carried by ControlHover, also across threads and to signal spies.
Q_DECLARE_METATYPE(Parameter*)
