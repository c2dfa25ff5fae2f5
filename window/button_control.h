#pragma once

#include "controls.h"

class QAbstractButton;

namespace twinpics {

// open, left, right and skipTheRope.
class ButtonControl final : public Button {
public:
    explicit ButtonControl(QAbstractButton& button) : button_(button) {}
    void setEnabled(bool enabled) override;

private:
    QAbstractButton& button_;
};

} // namespace twinpics
