#pragma once

#include "controls.h"

class QLabel;

namespace twinpics {

// A number shown as a whole number in a label (fileNumber, maxNumber).
class LabelNumberField final : public NumberField {
public:
    explicit LabelNumberField(QLabel& label) : label_(label) {}
    void setFloatValue(float value) override;

private:
    QLabel& label_;
};

} // namespace twinpics
