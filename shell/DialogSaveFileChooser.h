#pragma once
// The save dialog as a window of its own (no nested event loop).

#include "shell/SaveFileChooser.h"

class DialogSaveFileChooser : public SaveFileChooser {
public:
    void Choose(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix,
                std::function<void(const QString& path)> chosen) override;
};
