#include "label_number_field.h"

#include <QLabel>
#include <QLocale>

namespace twinpics {

void LabelNumberField::setFloatValue(float value) {
    label_.setText(QLocale().toString(static_cast<double>(value), 'f', 0));
}

} // namespace twinpics
