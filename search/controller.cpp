#include "controller.h"

#include "paths.h"
#include "size_sort.h"

namespace twinpics {

Controller::Controller(Outlets outlets) : outlets_(outlets) {}

void Controller::leftProportionally() {
    outlets_.leftImage.setImageScaling(ImageScaling::proportionally);
}
void Controller::leftNone() {
    outlets_.leftImage.setImageScaling(ImageScaling::none);
}
void Controller::rightProportionally() {
    outlets_.rightImage.setImageScaling(ImageScaling::proportionally);
}
void Controller::rightNone() {
    outlets_.rightImage.setImageScaling(ImageScaling::none);
}

void Controller::confirm(int checkboxState) {
    state_.conf = checkboxState == 1 ? 0 : 1;
}

void Controller::quickSortRight(std::int32_t left, std::int32_t right) {
    twinpics::quickSortRight(state_.sizeArray, state_.fileArray, left, right);
}

void Controller::awakeFromNib() {
    outlets_.shell.observeWindowClose([this] { something(); });
}

void Controller::something() {
    outlets_.shell.terminate();
}

bool Controller::hasPairOnDisplay() const {
    // Derived rather than tracked: a new scan replaces the lists and the end of a walk leaves
    // i past the end, and either way this turns false.
    return !state_.nandeArray.empty() && state_.i < state_.j && state_.isLive(state_.i) &&
           state_.isLive(state_.j);
}

const std::string& Controller::entry(std::int32_t index) const {
    return state_.fileArray[static_cast<std::size_t>(index)];
}

std::string Controller::fullPath(std::int32_t index) const {
    return joinPath(state_.nandeArray.front(), entry(index));
}

} // namespace twinpics
