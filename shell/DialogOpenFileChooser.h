#pragma once
// The open dialog as a window of its own (no nested event loop).

#include "shell/OpenFileChooser.h"

class DialogOpenFileChooser : public OpenFileChooser {
public:
    void Choose(QWidget* parent, const QString& title, const QString& filter,
                std::function<void(const QString& path)> chosen) override;
};
