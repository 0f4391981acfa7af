#include "shell/GuiPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <future>
#include <memory>

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

PromptAnswer Answer(int button) {
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: return PromptAnswer::Ok;
    }
}

// The boxes speak the program's language whatever the desktop's locale.
void LabelButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> labels[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Отмена"},
        {QMessageBox::Yes, "Да"}, {QMessageBox::No, "Нет"}};
    for (const auto& [which, label] : labels)
        if (QAbstractButton* button = box.button(which))
            button->setText(label);
}

// A text with line breaks of its own keeps its lines whole, as far as the
// screen allows, instead of wrapping into orphan lines.
void KeepOwnLines(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (!label || !text.contains('\n'))
        return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen();
    if (!screen || widest >= screen->availableGeometry().width() * 3 / 4)
        return;
    label->setWordWrap(false);
    // QMessageBox wraps anything wider than half a screen again when it is
    // shown; a row as wide as the longest line gives the label that room.
    constexpr int kIconAndMargins = 96;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widest + kIconAndMargins, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

GuiPrompter::GuiPrompter(QObject* parent) : QObject(parent) {}

GuiPrompter::~GuiPrompter() { open->store(false); }

PromptAnswer GuiPrompter::CautiousAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::YesNo: return PromptAnswer::No;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel: return PromptAnswer::Cancel;
    case PromptButtons::Ok: break;
    }
    return PromptAnswer::Ok;
}

PromptAnswer GuiPrompter::ask(const Prompt& prompt) {
    if (QThread::currentThread() == thread())
        return ShowBox(prompt);
    return AskFromWorker(prompt);
}

// The GUI thread shows the box when its loop gets to it; the worker waits in
// short slices so that it notices when the prompter is gone.
PromptAnswer GuiPrompter::AskFromWorker(const Prompt& prompt) {
    auto promise = std::make_shared<std::promise<PromptAnswer>>();
    std::future<PromptAnswer> answer = promise->get_future();
    const std::shared_ptr<std::atomic<bool>> stillOpen = open;
    const bool queued = QMetaObject::invokeMethod(
        this, [this, prompt, promise] { promise->set_value(ShowBox(prompt)); },
        Qt::QueuedConnection);
    while (queued && *stillOpen) {
        if (answer.wait_for(std::chrono::milliseconds(50)) == std::future_status::ready)
            return answer.get();
    }
    return CautiousAnswer(prompt.buttons);
}

PromptAnswer GuiPrompter::ShowBox(const Prompt& prompt) {
    const QString caption =
        QString::fromStdString(prompt.caption.empty() ? kApplicationTitle : prompt.caption);
    QMessageBox box(BoxIcon(prompt.icon), caption, QString::fromStdString(prompt.text),
                    BoxButtons(prompt.buttons), QApplication::activeWindow());
    if (prompt.topmost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    LabelButtons(box);
    KeepOwnLines(box, box.text());
    return Answer(box.exec());
}
