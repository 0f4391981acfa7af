#pragma once
// Edit box for a numeric or time parameter, with a hint that names the
// parameter and its range.

#include <QLineEdit>
#include <QString>

class Parameter;

class CmyEdit : public QLineEdit {
    Q_OBJECT
public:
    CmyEdit(const Parameter& parameter, QWidget* parent);

    const QString& TipTitle() const { return tipTitle; }
    const QString& TipText() const { return tipText; }
    // Shows the hint beside the box.
    void ShowTip();

signals:
    // The focus went elsewhere: the text is to be taken.
    void FocusLeft();
    // Esc: the text is to be dropped.
    void Cancelled();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QString tipTitle;
    QString tipText;
};
