#pragma once

#include "controls.h"

#include <deque>
#include <string>
#include <vector>

namespace twinpics::testing {

// Stands in for the whole window: every call the search makes is written to one log, in
// order, as a short line such as "fileNumber 2" or "right on". Alerts and the chooser answer
// from queues the test fills; an empty queue answers "No" and "cancel".
class RecordingControls {
public:
    struct Alert {
        std::string title;
        std::string message;
        std::string defaultButton;
        std::string alternateButton;
    };

    RecordingControls();

    Outlets outlets();

    std::vector<std::string> log;
    std::vector<Alert> alerts;
    std::vector<std::string> failures; // the messages of reportFailure
    std::deque<int> alertAnswers;
    std::deque<std::optional<std::string>> chooserAnswers;
    std::int32_t selectedTag = 0;
    bool terminated = false;
    std::function<void()> closeHandler;

    std::vector<std::string> takeLog();
    int beeps() const;

private:
    // What every recorded control knows: whose log it writes and its outlet's name.
    struct Part {
        Part(RecordingControls& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
        void record(const std::string& what) const { owner_.log.push_back(name_ + " " + what); }
        RecordingControls& owner_;
        std::string name_;
    };
    struct Number final : NumberField, Part {
        using Part::Part;
        void setFloatValue(float value) override;
    };
    struct Text final : TextField, Part {
        using Part::Part;
        void setStringValue(const std::string& bytes) override { record(bytes); }
    };
    struct Progress final : ProgressBar, Part {
        using Part::Part;
        void setDoubleValue(double percent) override;
    };
    struct Image final : ImageView, Part {
        using Part::Part;
        void showImageFile(const std::string& fullPath, ImageSizing sizing) override;
        void setImageScaling(ImageScaling scaling) override;
    };
    struct Push final : Button, Part {
        using Part::Part;
        void setEnabled(bool enabled) override { record(enabled ? "on" : "off"); }
    };
    struct PopUp final : PopUpButton, Part {
        using Part::Part;
        std::int32_t selectedTag() const override { return owner_.selectedTag; }
    };
    struct Dialogs final : Desktop, Part {
        using Part::Part;
        int runAlert(const std::string& title, const std::string& message,
                     const std::string& defaultButton, const std::string& alternateButton) override;
        std::optional<std::string> chooseFolder(const std::string& title,
                                                const std::string& startFolder) override;
        void beep() override { owner_.log.push_back("beep"); }
        void reportFailure(const std::string& title, const std::string& message) override;
    };
    struct App final : Shell, Part {
        using Part::Part;
        void observeWindowClose(std::function<void()> handler) override;
        void terminate() override { owner_.terminated = true; }
    };

    Number fileNumber_{*this, "fileNumber"}, maxNumber_{*this, "maxNumber"};
    Text leftPath_{*this, "leftPath"}, rightPath_{*this, "rightPath"};
    Progress progress_{*this, "progressView"};
    Image leftImage_{*this, "leftImage"}, rightImage_{*this, "rightImage"};
    Push open_{*this, "open"}, left_{*this, "left"}, right_{*this, "right"},
        skipTheRope_{*this, "skipTheRope"};
    PopUp imageType_{*this, "imageType"};
    Dialogs desktop_{*this, "desktop"};
    App shell_{*this, "shell"};
};

} // namespace twinpics::testing
