#include "shell/WizardSheet.h"

#include "shell/WizardPage.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <utility>

WizardSheet::WizardSheet(QWidget* parent)
    : QDialog(parent), back(MakeButton(kBackId, kBackText)), next(MakeButton(kNextId, kNextText)),
      exit(MakeButton(kExitId, kExitText)) {
    connect(back, &QPushButton::clicked, this, &WizardSheet::OnBack);
    connect(next, &QPushButton::clicked, this, &WizardSheet::OnNext);
    connect(exit, &QPushButton::clicked, this, &WizardSheet::OnExit);
    // As in other wizards; the buttons' tips name the keys.
    for (auto [button, key] : {std::pair{back, Qt::Key_Left}, std::pair{next, Qt::Key_Right}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
        button->setToolTip(shortcut->key().toString(QKeySequence::NativeText));
    }
    connect(&worker, &DeviceWorker::BusyChanged, this, &WizardSheet::SetBusy);
    SetDefaultStyle(next, true);
}

QPushButton* WizardSheet::MakeButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    // Qt would move the default to whichever button has the focus; the
    // wizard decides that itself.
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

void WizardSheet::AddPage(WizardPage* page, int dialogId) {
    page->SetDialogId(dialogId);
    pages.push_back(page);
}

void WizardSheet::SetPageFrameId(int id) { pageFrameId = id; }

WizardPage* WizardSheet::GetActivePage() const {
    auto it = std::find_if(pages.begin(), pages.end(), [](WizardPage* p) { return p->IsActive(); });
    return it == pages.end() ? nullptr : *it;
}

int WizardSheet::GetActivePageIndex() const { return IndexOf(GetActivePage()); }

int WizardSheet::IndexOf(const WizardPage* page) const {
    auto it = std::find(pages.begin(), pages.end(), page);
    return page && it != pages.end() ? static_cast<int>(it - pages.begin()) : -1;
}

WizardPage* WizardSheet::FindPageById(int dialogId) const {
    auto it = std::find_if(pages.begin(), pages.end(),
                           [dialogId](WizardPage* p) { return p->DialogId() == dialogId; });
    return it == pages.end() ? nullptr : *it;
}

bool WizardSheet::IsFirst(const WizardPage* page) const { return !pages.empty() && pages.front() == page; }
bool WizardSheet::IsLast(const WizardPage* page) const { return !pages.empty() && pages.back() == page; }

bool WizardSheet::ShowPageAt(int index) {
    if (index < 0 || index >= PageCount())
        return false;
    ActivatePage(pages[index]);
    return true;
}

bool WizardSheet::ActivatePage(WizardPage* page) {
    if (!page->IsCreated()) {
        if (!page->CreateWindow(this))
            return false;
        page->SetCreated(true);
        if (!page->OnPageCreated())
            return false;
    }
    if (!HideActivePage())
        return false;
    RestoreButtonTexts();
    // The page fills the frame, which grows with the window.
    const QRect frame = PageFrameRect();
    page->move(frame.topLeft());
    if (!frame.isEmpty())
        page->resize(frame.size());
    page->setEnabled(true);
    page->show();
    page->repaint();
    page->OnPageShown();
    page->SetActive(true);
    FocusPage(page);
    return true;
}

QRect WizardSheet::PageFrameRect() const {
    auto* frame = findChild<QWidget*>(QString::number(pageFrameId), Qt::FindDirectChildrenOnly);
    return frame ? frame->geometry() : QRect();
}

bool WizardSheet::HideActivePage() {
    WizardPage* page = GetActivePage();
    if (!page)
        return true;
    if (!page->CanLeavePage())
        return false;
    page->hide();
    page->SetActive(false);
    return true;
}

bool WizardSheet::DestroyPage(WizardPage* page) {
    if (!page->IsCreated())
        return true;
    if (!page->CanLeavePage())
        return false;
    page->OnPageDestroying();
    page->DestroyWindow();
    page->SetCreated(false);
    page->SetActive(false);
    return true;
}

void WizardSheet::DestroyAllPages() {
    for (WizardPage* page : pages)
        DestroyPage(page);
}

bool WizardSheet::ShowFirstPage() {
    if (!HideActivePage())
        return false;
    EnableBack(false);
    EnableNext(PageCount() > 1);
    return !pages.empty() && ActivatePage(pages.front());
}

bool WizardSheet::InitSheet() { return ShowFirstPage(); }

void WizardSheet::EnableBack(bool on) {
    backWanted = on;
    on = on && !busy;
    if (!on && focusWidget() == back)
        MoveFocusFrom(back);
    back->setEnabled(on);
    RefreshDefaultLook();
}

void WizardSheet::EnableNext(bool on) {
    nextWanted = on;
    on = on && !busy;
    if (!on && focusWidget() == next)
        MoveFocusFrom(next);
    next->setEnabled(on);
    RefreshDefaultLook();
}

void WizardSheet::SetPrelude(DeviceWorker::Job job) { prelude = std::move(job); }

void WizardSheet::StartPrelude() {
    if (prelude)
        worker.Run(this, std::exchange(prelude, {}));
}

void WizardSheet::RunProcedure(QObject* receiver, DeviceWorker::Job job, DeviceWorker::Then then) {
    StartPrelude();
    worker.Run(receiver, std::move(job), std::move(then));
}

void WizardSheet::SetBusy(bool on) {
    if (on && !busy)
        focusBeforeBusy = focusWidget();
    busy = on;
    WizardPage* page = GetActivePage();
    if (page)
        page->setEnabled(!on);
    EnableBack(backWanted);
    EnableNext(nextWanted);
    if (on)
        return;
    if (focusBeforeBusy && focusBeforeBusy->isVisible() && focusBeforeBusy->isEnabled())
        focusBeforeBusy->setFocus(Qt::OtherFocusReason);
    else if (page)
        FocusPage(page);
    else
        FocusDefaultButton();
}

void WizardSheet::MoveFocusFrom(QPushButton* button) {
    QPushButton* lastBefore = nullptr;
    bool passed = false;
    for (QPushButton* b : {back, next, exit}) {
        if (b == button) {
            passed = true;
        } else if (b->isEnabled()) {
            if (passed) {
                b->setFocus();
                return;
            }
            lastBefore = b;
        }
    }
    if (lastBefore)
        lastBefore->setFocus();
}

void WizardSheet::SetDefaultStyle(QPushButton* button, bool on) {
    button->setProperty("defaultStyle", on);
    RefreshDefaultLook();
}

bool WizardSheet::HasDefaultStyle(const QPushButton* button) const {
    return button->property("defaultStyle").toBool();
}

QPushButton* WizardSheet::DefaultTarget() const {
    for (QPushButton* b : {back, next, exit})
        if (b->isEnabled() && HasDefaultStyle(b))
            return b;
    return nullptr;
}

// Qt draws one default button per dialog: show the one Enter would press.
void WizardSheet::RefreshDefaultLook() {
    QPushButton* target = DefaultTarget();
    for (QPushButton* b : {back, next, exit})
        b->setDefault(b == target);
}

void WizardSheet::PressDefaultButton() {
    QPushButton* target = DefaultTarget();
    if (target == back)
        OnBack();
    else if (target == next)
        OnNext();
    else if (target == exit)
        OnExit();
}

void WizardSheet::FocusDefaultButton() {
    QPushButton* lastEnabled = nullptr;
    for (QPushButton* b : {back, next, exit}) {
        if (!b->isEnabled())
            continue;
        if (HasDefaultStyle(b)) {
            b->setFocus(Qt::TabFocusReason);
            return;
        }
        lastEnabled = b;
    }
    if (lastEnabled)
        lastEnabled->setFocus(Qt::TabFocusReason);
}

void WizardSheet::FocusPage(WizardPage* page) {
    QWidget* focus = focusWidget();
    if (busy || (focus && page->isAncestorOf(focus) && focus->isEnabled()))
        return;
    if (QWidget* first = page->FirstInput())
        first->setFocus(Qt::TabFocusReason);
    else
        FocusDefaultButton();
}

void WizardSheet::RestoreButtonTexts() {
    back->setText(kBackText);
    next->setText(kNextText);
    exit->setText(kExitText);
}

bool WizardSheet::focusNextPrevChild(bool forward) {
    std::vector<QWidget*> chain;
    if (WizardPage* page = GetActivePage(); page && page->isEnabled())
        chain = page->TabChain();
    for (QPushButton* b : {back, next, exit})
        if (b->isVisible() && b->isEnabled())
            chain.push_back(b);
    if (chain.empty())
        return false;
    const QWidget* focus = focusWidget();
    const auto at = std::find_if(chain.begin(), chain.end(), [focus](const QWidget* w) {
        return focus && (w == focus || w->isAncestorOf(focus));
    });
    const int n = int(chain.size());
    int target = forward ? 0 : n - 1;
    if (at != chain.end())
        target = (int(at - chain.begin()) + (forward ? 1 : n - 1)) % n;
    chain[target]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void WizardSheet::OnBack() {
    WizardPage* page = GetActivePage();
    // Until the prelude has run, what the pages read is not there yet.
    StartPrelude();
    if (!page || busy)
        return;
    if (IsLast(page))
        EnableNext(true);
    const int id = page->GetPrevPageId();
    if (id == -1)
        return;
    WizardPage* target = nullptr;
    if (id == 0) {
        const int index = IndexOf(page);
        target = index > 0 ? pages[index - 1] : nullptr;
    } else {
        target = FindPageById(id);
    }
    if (target && ActivatePage(target) && IsFirst(target))
        EnableBack(false);
}

void WizardSheet::OnNext() {
    WizardPage* page = GetActivePage();
    // Until the prelude has run, what the pages read is not there yet.
    StartPrelude();
    if (!page || busy)
        return;
    const int id = page->GetNextPageId();
    if (id == -1)
        return;
    WizardPage* target = nullptr;
    if (id == 0) {
        const int index = IndexOf(page);
        target = index >= 0 && index + 1 < PageCount() ? pages[index + 1] : nullptr;
    } else {
        target = FindPageById(id);
    }
    MoveForwardTo(target);
}

bool WizardSheet::ShowPageById(int dialogId) { return MoveForwardTo(FindPageById(dialogId)); }

bool WizardSheet::MoveForwardTo(WizardPage* target) {
    if (!target || !ActivatePage(target))
        return false;
    if (IsLast(target)) {
        EnableNext(false);
        SetDefaultStyle(exit, true);
        exit->setFocus();
    }
    return true;
}

void WizardSheet::OnExit() { CloseSheet(); }

bool WizardSheet::CloseSheet() {
    for (WizardPage* page : pages)
        if (page->IsCreated() && !page->CanClose())
            return false;
    done(QDialog::Rejected);
    DestroyAllPages();
    return true;
}

// Esc, the window's close box and the cancel command all lead to Exit.
void WizardSheet::reject() { OnExit(); }

void WizardSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (prelude && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool WizardSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        // Queued: the window paints its first frame before the prelude starts.
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &WizardSheet::StartPrelude, Qt::QueuedConnection);
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PressDefaultButton();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WizardSheet::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        PressDefaultButton();
        return;
    }
    QDialog::keyPressEvent(event);
}
