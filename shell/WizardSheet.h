#pragma once
// A generic wizard: an ordered list of pages shown one at a time in a frame,
// with Back, Next and Exit buttons.

#include "shell/DeviceWorker.h"

#include <QDialog>
#include <QPointer>
#include <vector>

class QPushButton;
class WizardPage;

class WizardSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBackId = 12323;
    static constexpr int kNextId = 12324;
    static constexpr int kExitId = 2;
    // '&' marks each button's Alt+letter.
    static constexpr const char* kBackText = "< &Назад";
    static constexpr const char* kNextText = "&Вперед >";
    static constexpr const char* kExitText = "Вы&ход";

    explicit WizardSheet(QWidget* parent = nullptr);

    void AddPage(WizardPage* page, int dialogId);
    void SetPageFrameId(int id);

    WizardPage* GetActivePage() const;
    int GetActivePageIndex() const;
    WizardPage* FindPageById(int dialogId) const;
    int PageCount() const { return static_cast<int>(pages.size()); }

    bool ShowPageAt(int index);
    // Where a procedure that Next started lands when it ends: as Next would.
    bool ShowPageById(int dialogId);
    bool ActivatePage(WizardPage* page);
    bool HideActivePage();
    bool DestroyPage(WizardPage* page);
    bool ShowFirstPage();

    // While a procedure runs Back and Next stay off; the wish is kept for after.
    void EnableBack(bool on);
    void EnableNext(bool on);

    // A device procedure started from a page: job runs on the device worker
    // while the page, Back and Next take no input (Exit stays live); then
    // runs on the GUI thread with job's result, unless receiver is gone.
    void RunProcedure(QObject* receiver, DeviceWorker::Job job, DeviceWorker::Then then = {});
    // A procedure run once before any other: it starts as soon as the window
    // is on screen, or ahead of the first procedure if that comes sooner, so
    // that it does not slow the window's first appearance.
    void SetPrelude(DeviceWorker::Job job);
    // Running or queued, the prelude included until it has run.
    bool IsProcedureRunning() const { return worker.IsBusy() || prelude != nullptr; }
    DeviceWorker& Worker() { return worker; }
    void MoveFocusFrom(QPushButton* button);

    // The default-button style: several buttons may carry it; Enter presses
    // the first enabled one of Back, Next, Exit that does.
    void SetDefaultStyle(QPushButton* button, bool on);
    bool HasDefaultStyle(const QPushButton* button) const;
    void PressDefaultButton();
    void FocusDefaultButton();
    // The focus into the page's first input, unless it is inside the page
    // already; a page without one gives it to the default button.
    void FocusPage(WizardPage* page);

    QPushButton* BackButton() const { return back; }
    QPushButton* NextButton() const { return next; }
    QPushButton* ExitButton() const { return exit; }

    void OnBack();
    void OnNext();
    virtual void OnExit();

    // The close after the exit was confirmed: every created page may object.
    bool CloseSheet();
    void DestroyAllPages();

    void reject() override;

protected:
    // The sheet's part of the dialog initialisation: shows the first page.
    bool InitSheet();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab walks the active page's inputs, then Back, Next and Exit, around.
    bool focusNextPrevChild(bool next) override;

private:
    void StartPrelude();
    void SetBusy(bool busy);
    // Every page starts from the wizard's own labels; it may rename them as it is shown.
    void RestoreButtonTexts();
    bool MoveForwardTo(WizardPage* target);
    QPushButton* MakeButton(int id, const QString& text);
    QPushButton* DefaultTarget() const;
    void RefreshDefaultLook();
    QRect PageFrameRect() const;
    bool IsFirst(const WizardPage* page) const;
    bool IsLast(const WizardPage* page) const;
    int IndexOf(const WizardPage* page) const;

    std::vector<WizardPage*> pages;
    int pageFrameId = 0;
    QPushButton* back;
    QPushButton* next;
    QPushButton* exit;
    DeviceWorker worker;
    DeviceWorker::Job prelude;
    bool backWanted = false;
    bool nextWanted = true;
    bool busy = false;
    // Where the operator was when a procedure took the input away.
    QPointer<QWidget> focusBeforeBusy;
};
