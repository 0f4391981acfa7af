#pragma once
// Asks the operator for a file to open, without waiting: the answer comes
// later on the GUI thread. Tests put their own in its place.

#include <QString>

#include <functional>

class QWidget;

class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // chosen gets the path of an existing file and is not called when the
    // operator cancels.
    virtual void Choose(QWidget* parent, const QString& title, const QString& filter,
                        std::function<void(const QString& path)> chosen) = 0;
};
