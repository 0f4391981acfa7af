#pragma once
// Asks the operator for a file to save into or to open, without waiting:
// the answer comes later on the GUI thread. Tests put their own in its place.

#include <QString>

#include <functional>

class QWidget;

class FileChooser {
public:
    using Chosen = std::function<void(const QString& path)>;

    virtual ~FileChooser() = default;
    // suffix is added to a name typed without one; chosen gets the path
    // and is not called when the operator cancels.
    virtual void ChooseToSave(QWidget* parent, const QString& title, const QString& filter,
                              const QString& suffix, Chosen chosen) = 0;
    // chosen gets the path of an existing file.
    virtual void ChooseToOpen(QWidget* parent, const QString& title, const QString& filter,
                              Chosen chosen) = 0;
};
