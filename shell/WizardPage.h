#pragma once
// Base of every wizard page: a borderless white panel shown by the sheet in
// its page frame. The sheet drives a page through the nine hooks below.

#include <QFont>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class CmyRichEditCtrl;
class DeviceServices;
class Parameter;
class WizardSheet;

class WizardPage : public QWidget {
    Q_OBJECT
public:
    explicit WizardPage(int dialogId, QWidget* parent = nullptr);

    // Hooks, in the order the sheet knows them.
    virtual bool OnPageCreated();
    virtual void OnPageDestroying();
    virtual bool CanLeavePage();
    virtual void OnPageShown();
    virtual bool CanClose();
    virtual int GetPrevPageId();
    virtual int GetNextPageId();
    virtual void ShowComment(const QString& title, const QString& comment, const QString& range,
                             CmyRichEditCtrl* richEdit);
    virtual void OnControlHover(Parameter* parameter, bool hasParameter);

    // The mouse over a parameter of a list or graph control of this page.
    void ControlHover(Parameter* parameter, bool hasParameter);

    // The window side of the page: controls built on first activation.
    bool CreateWindow(WizardSheet* sheet);
    void DestroyWindow();

    int DialogId() const { return dialogId; }
    void SetDialogId(int id) { dialogId = id; }
    WizardSheet* Sheet() const { return sheet; }
    // The wizard's device services; null on a sheet that has none.
    DeviceServices* Services() const;
    bool IsCreated() const { return created; }
    bool IsActive() const { return active; }
    void SetCreated(bool on) { created = on; }
    void SetActive(bool on) { active = on; }

    // The page's inputs that Tab visits, in its reading order: visible,
    // enabled, one entry per control (a spin box, not its line inside).
    std::vector<QWidget*> TabChain() const;
    // Where the focus goes when the page opens; null when it has no input.
    QWidget* FirstInput() const;

    // The layouts' bold fonts, fitted when a page first asks for them.
    static QFont LargeFont();
    static QFont SmallFont();

protected:
    // The page's own initialisation: builds its controls. False: the window
    // could not be made and the activation is refused.
    virtual bool OnInitDialog();

    // Helpers for building controls from the page layouts (dialog units).
    QLabel* AddPicture(int bitmapId);
    QLabel* AddText(int id, const QRect& units, const QString& text);
    // The same in a font of its own, measured in that font.
    QLabel* AddText(int id, const QRect& units, const QString& text, const QFont& shown);
    // A push button that leaves Enter to the wizard's default button.
    QPushButton* AddButton(int id, const QRect& units, const QString& text);
    // A line in the large font beside the page's picture.
    QLabel* AddHeading(const QString& text);

    void keyPressEvent(QKeyEvent* event) override;
    // Enabled again after a read: the focus comes back to the inputs.
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook();
    QLabel* NewText(int id, const QString& text);
    static QLabel* PlaceText(QLabel* label, const QRect& units);

    WizardSheet* sheet = nullptr;
    bool created = false;
    bool active = false;
    int dialogId;
};
