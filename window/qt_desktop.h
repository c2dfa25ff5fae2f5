#pragma once

#include "controls.h"

class QWidget;

namespace twinpics {

// The modal questions, the folder chooser, the beep and the failure messages, on Qt Widgets.
// Every dialog is modal to the review window, and shows its texts as plain text.
class QtDesktop : public Desktop {
public:
    explicit QtDesktop(QWidget* window) : window_(window) {}

    int runAlert(const std::string& title, const std::string& message,
                 const std::string& defaultButton, const std::string& alternateButton) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    void beep() override;
    void reportFailure(const std::string& title, const std::string& message) override;

private:
    QWidget* window_;
};

} // namespace twinpics
