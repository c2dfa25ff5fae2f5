#include "progress_control.h"

#include <QProgressBar>

#include <algorithm>
#include <cmath>

namespace twinpics {

ProgressControl::ProgressControl(QProgressBar& bar) : bar_(bar) {
    bar_.setRange(0, 100);
}

void ProgressControl::setDoubleValue(double percent) {
    if (!std::isfinite(percent))
        return;
    bar_.setValue(static_cast<int>(std::lround(std::clamp(percent, 0.0, 100.0))));
}

} // namespace twinpics
