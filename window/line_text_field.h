#pragma once

#include "controls.h"

class QLineEdit;

namespace twinpics {

// A relative path shown in a read-only line edit: a long path scrolls instead of widening
// the window, and the user can select and copy it.
class LineTextField final : public TextField {
public:
    explicit LineTextField(QLineEdit& edit) : edit_(edit) {}
    void setStringValue(const std::string& bytes) override;

private:
    QLineEdit& edit_;
};

} // namespace twinpics
