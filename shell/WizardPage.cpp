#include "shell/WizardPage.h"

#include "controls/CmyRichEditCtrl.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/FontFallback.h"
#include "shell/ProgramResources.h"
#include "shell/WizardSheet.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace {

// The page frame of the main dialog, in dialog units.
constexpr int kPageWidth = 320;
constexpr int kPageHeight = 193;

const QColor kTitleColour(0, 0, 200);
const QColor kHeadingColour(200, 0, 0);

// Every effect is set either way, so nothing of the text before leaks in.
QTextCharFormat HelpFormat(double points, const QString& family, bool emphasised,
                           const QColor& colour) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontFamilies({family});
    format.setFontWeight(emphasised ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(emphasised);
    format.setFontItalic(false);
    format.setForeground(colour);
    return format;
}

QTextCharFormat TitleFormat() { return HelpFormat(12, "Georgia", true, kTitleColour); }
QTextCharFormat TextFormat(const QColor& colour) {
    return HelpFormat(11, "Arial", false, colour);
}

// Inserts a red heading and its black text at position; returns the position after them.
int InsertSection(CmyRichEditCtrl& richEdit, int position, const QString& heading,
                  const QString& text) {
    if (text.isEmpty())
        return position;
    position += richEdit.InsertText(heading, TextFormat(kHeadingColour), position, -1);
    return position + richEdit.InsertText(text, TextFormat(Qt::black), position, -1);
}

} // namespace

WizardPage::WizardPage(int dialogId, QWidget* parent) : QWidget(parent), dialogId(dialogId) {
    resize(DialogUnits::Size(kPageWidth, kPageHeight));
    hide();
}

bool WizardPage::OnPageCreated() { return true; }
void WizardPage::OnPageDestroying() {}
bool WizardPage::CanLeavePage() { return true; }
void WizardPage::OnPageShown() {}
bool WizardPage::CanClose() { return true; }
int WizardPage::GetPrevPageId() { return 0; }
int WizardPage::GetNextPageId() { return 0; }
void WizardPage::ShowComment(const QString& title, const QString& comment, const QString& range,
                             CmyRichEditCtrl* richEdit) {
    if (!richEdit)
        return;
    richEdit->setCurrentCharFormat(TitleFormat());
    richEdit->Clear();
    int position = richEdit->InsertText(title, TitleFormat(), 0, -1);
    // The help texts mark their line breaks with the two characters \n.
    QString lines = comment;
    lines.replace("\\n", "\r\n");
    position = InsertSection(*richEdit, position, "\n\nКОММЕНТАРИЙ: ", lines);
    InsertSection(*richEdit, position, "\n\nДИАПАЗОН ЗНАЧЕНИЙ: ", range);
}

void WizardPage::OnControlHover(Parameter*, bool) {}
bool WizardPage::OnInitDialog() { return true; }

void WizardPage::ControlHover(Parameter* parameter, bool hasParameter) {
    OnControlHover(parameter, hasParameter);
}

bool WizardPage::CreateWindow(WizardSheet* owner) {
    sheet = owner;
    setParent(owner);
    hide();
    ApplyLook();
    return OnInitDialog();
}

void WizardPage::DestroyWindow() {
    hide();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QFont WizardPage::LargeFont() { return FontFallback::CellHeightFont("MS Sans Serif", 20, 700); }

QFont WizardPage::SmallFont() { return FontFallback::CellHeightFont("MS Sans Serif", 16, 700); }

void WizardPage::ApplyLook() {
    QPalette look = palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        look.setColor(role, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        look.setColor(role, Qt::black);
    setPalette(look);
    setAutoFillBackground(true);
}

QLabel* WizardPage::AddPicture(int bitmapId) {
    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramResources::Picture(QString(":/bitmaps/%1.png").arg(bitmapId)));
    picture->move(0, 0);
    picture->adjustSize();
    return picture;
}

QLabel* WizardPage::AddText(int id, const QRect& units, const QString& text) {
    return PlaceText(NewText(id, text), units);
}

QLabel* WizardPage::AddText(int id, const QRect& units, const QString& text, const QFont& shown) {
    QLabel* label = NewText(id, text);
    label->setFont(shown);
    return PlaceText(label, units);
}

QLabel* WizardPage::NewText(int id, const QString& text) {
    auto* label = new QLabel(text, this);
    if (id != 0)
        label->setObjectName(QString::number(id));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The layouts' heights were drawn for a smaller letter: the text stays whole
// in the font it is shown in.
QLabel* WizardPage::PlaceText(QLabel* label, const QRect& units) {
    label->setGeometry(DialogUnits::Rect(units.x(), units.y(), units.width(), units.height()));
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    return label;
}

QPushButton* WizardPage::AddButton(int id, const QRect& units, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    button->setGeometry(DialogUnits::Rect(units.x(), units.y(), units.width(), units.height()));
    button->setAutoDefault(false);
    return button;
}

QLabel* WizardPage::AddHeading(const QString& text) {
    return AddText(0, QRect(118, 11, 194, 40), text, LargeFont());
}

// Enter presses the wizard's default button; Esc must not close the wizard
// from inside a page.
void WizardPage::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && sheet) {
        sheet->PressDefaultButton();
        return;
    }
    if (key == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void WizardPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && active && sheet)
        sheet->FocusPage(this);
}

std::vector<QWidget*> WizardPage::TabChain() const {
    std::vector<QWidget*> chain;
    const auto inChain = [&chain](const QWidget* w) {
        for (const QWidget* member : chain)
            if (member->isAncestorOf(w))
                return true;
        return false;
    };
    // The window's focus chain holds every page; this page's part keeps its order.
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) &&
            w->isEnabled() && !inChain(w))
            chain.push_back(w);
    }
    return chain;
}

QWidget* WizardPage::FirstInput() const {
    const std::vector<QWidget*> chain = TabChain();
    return chain.empty() ? nullptr : chain.front();
}

DeviceServices* WizardPage::Services() const { return dynamic_cast<DeviceServices*>(sheet); }
