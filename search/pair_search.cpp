// The walk over the size-sorted candidates for the next pair of identical files.
#include "controller.h"

#include "file_compare.h"

namespace twinpics {

int Controller::ijLine() {
    outlets_.maxNumber.setFloatValue(static_cast<float>(state_.fileArray.size()));
    for (++state_.i; state_.isIndex(state_.i); ++state_.i) {
        updatePosition();
        if (!state_.isLive(state_.i))
            continue;
        for (state_.j = state_.i + 1; state_.isIndex(state_.j); ++state_.j) {
            if (!state_.isLive(state_.j))
                continue;
            if (!sameSize(state_.i, state_.j))
                break; // sorted by size: no later entry can match i
            if (sameContents(state_.i, state_.j)) {
                showPair(ImageSizing::pixelSize);
                outlets_.right.setEnabled(true);
                outlets_.left.setEnabled(true);
                outlets_.skipTheRope.setEnabled(true);
                return pairShown;
            }
        }
    }
    return walkOver;
}

int Controller::jLine() {
    updatePosition();
    for (++state_.j; state_.isIndex(state_.j); ++state_.j) {
        if (!state_.isLive(state_.j))
            continue;
        if (!sameSize(state_.i, state_.j))
            return walkOver;
        if (sameContents(state_.i, state_.j)) {
            showPair(ImageSizing::asStored);
            return pairShown;
        }
    }
    return walkOver;
}

void Controller::updatePosition() {
    const double position = static_cast<double>(state_.i) + 1.0;
    outlets_.fileNumber.setFloatValue(static_cast<float>(position));
    outlets_.progressView.setDoubleValue(position * 100.0 /
                                         static_cast<double>(state_.fileArray.size()));
}

void Controller::showPair(ImageSizing sizing) {
    outlets_.leftPath.setStringValue(entry(state_.i));
    outlets_.rightPath.setStringValue(entry(state_.j));
    const auto load = sizing == ImageSizing::pixelSize ? &Controller::loadImageAtPixelSize
                                                       : &Controller::loadImage;
    (this->*load)(outlets_.leftImage, fullPath(state_.i));
    (this->*load)(outlets_.rightImage, fullPath(state_.j));
}

void Controller::loadImageAtPixelSize(ImageView& view, const std::string& path) {
    view.showImageFile(path, ImageSizing::pixelSize);
}

void Controller::loadImage(ImageView& view, const std::string& path) {
    view.showImageFile(path, ImageSizing::asStored);
}

bool Controller::sameSize(std::int32_t a, std::int32_t b) const {
    return state_.sizeArray[static_cast<std::size_t>(a)] ==
           state_.sizeArray[static_cast<std::size_t>(b)];
}

bool Controller::sameContents(std::int32_t a, std::int32_t b) const {
    return compareContents(fullPath(a), fullPath(b)) == Sameness::identical;
}

} // namespace twinpics
