#include "button_control.h"

#include <QAbstractButton>

namespace twinpics {

void ButtonControl::setEnabled(bool enabled) {
    button_.setEnabled(enabled);
}

} // namespace twinpics
