#pragma once
// Asks the operator for a file to save into, without waiting: the answer
// comes later on the GUI thread. Tests put their own in its place.

#include <QString>

#include <functional>

class QWidget;

class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // suffix is added to a name typed without one; chosen gets the path
    // and is not called when the operator cancels.
    virtual void Choose(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix,
                        std::function<void(const QString& path)> chosen) = 0;
};
