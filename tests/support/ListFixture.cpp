#include "ListFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

ListFixture::ListFixture() {
    auto* layout = new QVBoxLayout(&window);
    list = new CmyListCtrl(&window);
    other = new QLineEdit(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->Setup(10);
    list->SetRequests(&sheet);
    EditThrough(&sheet);
    list->SetColumn(0, "Описание", 150);
    list->SetColumn(1, "Параметр", 55);
    list->SetColumn(2, "Значение", 81);
    list->SetRowHeight(20);
    window.resize(320, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void ListFixture::EditThrough(ParameterExchange* device) {
    delete editing;
    editing = new ListEditing(*list, device, [this](QObject* receiver, auto job, auto then) {
        sheet.RunOnDevice(receiver, std::move(job), std::move(then));
    });
    QObject::connect(editing, &ListEditing::NextDecided,
                     [this](bool on) { sheet.nextStates.push_back(on); });
}

void ListFixture::TearDown() {
    EXPECT_TRUE(prompter.Unexpected().empty()) << "unexpected boxes:\n"
                                               << prompter.UnexpectedTexts();
}

Parameter& ListFixture::AddRow(const RowShape& shape, std::uint8_t flags) {
    Parameter& p = parameters.emplace_back(shape.name);
    p.format = shape.format;
    p.lower = shape.lower;
    p.upper = shape.upper;
    p.value = shape.value;
    p.index = shape.index;
    p.decimals = shape.decimals;
    p.caption = "Параметр " + shape.name;
    const int row = list->rowCount();
    list->InsertRow(row, QString::fromStdString(p.caption), flags);
    list->SetRowParameter(row, &p);
    list->SetCellText(row, 1, p.name);
    list->SetCellText(row, 2, p.value);
    return p;
}

void ListFixture::AddCaption(const QString& text) {
    list->InsertRow(list->rowCount(), text, CmyListCtrl::kRowCaption);
}

QPoint ListFixture::CellCentre(int row, int column) const {
    return list->visualRect(list->model()->index(row, column)).center();
}

void ListFixture::OpenEditor(int row, int column) {
    EXPECT_TRUE(list->isVisible() && list->isEnabled());
    // A real double click: the press picks the cell, the second click opens it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
}

CmyEdit& ListFixture::OpenEdit(int row) {
    OpenEditor(row);
    if (list->Edit() == nullptr)
        throw std::runtime_error("no edit box on row " + std::to_string(row));
    return *list->Edit();
}

CmyComboBox1& ListFixture::OpenCombo(int row) {
    OpenEditor(row);
    if (list->Combo() == nullptr)
        throw std::runtime_error("no drop-down list on row " + std::to_string(row));
    return *list->Combo();
}

void ListFixture::Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

void ListFixture::Press(QWidget& widget, Qt::Key key) {
    EXPECT_TRUE(widget.isVisible() && widget.isEnabled());
    QTest::keyClick(&widget, key);
}

void ListFixture::LeaveEditor() {
    other->setFocus(Qt::MouseFocusReason);
    Settle();
}

void ListFixture::Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::vector<Prompt> ListFixture::TakeShown() {
    std::vector<Prompt> shown = prompter.Shown();
    prompter.Clear();
    return shown;
}
