#include "recording_controls.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace twinpics::testing {

namespace {

template <typename Number> std::string shortNumber(Number value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

} // namespace

RecordingControls::RecordingControls() = default;

Outlets RecordingControls::outlets() {
    return Outlets{fileNumber_, imageType_,   left_,     leftImage_, leftPath_,
                   maxNumber_,  open_,        progress_, right_,     rightImage_,
                   rightPath_,  skipTheRope_, desktop_,  shell_};
}

std::vector<std::string> RecordingControls::takeLog() {
    return std::exchange(log, {});
}

int RecordingControls::beeps() const {
    return static_cast<int>(std::count(log.begin(), log.end(), "beep"));
}

void RecordingControls::Number::setFloatValue(float value) {
    record(shortNumber(value));
}

void RecordingControls::Progress::setDoubleValue(double percent) {
    record(shortNumber(percent));
}

void RecordingControls::Image::showImageFile(const std::string& fullPath, ImageSizing sizing) {
    record(fullPath + (sizing == ImageSizing::pixelSize ? " at pixel size" : " as stored"));
}

void RecordingControls::Image::setImageScaling(ImageScaling scaling) {
    record("scaling " + std::to_string(static_cast<int>(scaling)));
}

int RecordingControls::Dialogs::runAlert(const std::string& title, const std::string& message,
                                         const std::string& defaultButton,
                                         const std::string& alternateButton) {
    owner_.alerts.push_back({title, message, defaultButton, alternateButton});
    owner_.log.push_back("alert");
    if (owner_.alertAnswers.empty())
        return 0;
    const int answer = owner_.alertAnswers.front();
    owner_.alertAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingControls::Dialogs::chooseFolder(const std::string& title,
                                                                    const std::string& start) {
    owner_.log.push_back("chooser " + title + " at " + start);
    if (owner_.chooserAnswers.empty())
        return std::nullopt;
    auto answer = owner_.chooserAnswers.front();
    owner_.chooserAnswers.pop_front();
    return answer;
}

void RecordingControls::Dialogs::reportFailure(const std::string& title,
                                               const std::string& message) {
    owner_.failures.push_back(title + ": " + message);
    owner_.log.push_back("failure");
}

void RecordingControls::App::observeWindowClose(std::function<void()> handler) {
    owner_.closeHandler = std::move(handler);
}

} // namespace twinpics::testing
