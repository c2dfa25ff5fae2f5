#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The controls the duplicate search writes to. The search knows them only through these
// small interfaces, so it builds and is tested without any window toolkit. Every text that
// crosses them is bytes: paths stay exactly as the file system spells them, and only the
// window turns them into display text.
namespace twinpics {

class NumberField {
public:
    virtual ~NumberField() = default;
    virtual void setFloatValue(float value) = 0;
};

class TextField {
public:
    virtual ~TextField() = default;
    virtual void setStringValue(const std::string& bytes) = 0;
};

// Spans 0 to 100.
class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual void setDoubleValue(double percent) = 0;
};

enum class ImageSizing {
    pixelSize, // one point per pixel, whatever resolution the file records
    asStored,  // the size the file's recorded resolution gives
};

enum class ImageScaling {
    proportionally = 0, // shrunk to fit, proportions kept, never enlarged
    none = 2,           // drawn at its own size, centred, cut off at the edges
};

class ImageView {
public:
    virtual ~ImageView() = default;
    // Shows the image in the file at fullPath; a file that cannot be decoded leaves the view
    // empty. The view keeps what it shows until the next call.
    virtual void showImageFile(const std::string& fullPath, ImageSizing sizing) = 0;
    virtual void setImageScaling(ImageScaling scaling) = 0;
};

class Button {
public:
    virtual ~Button() = default;
    virtual void setEnabled(bool enabled) = 0;
};

class PopUpButton {
public:
    virtual ~PopUpButton() = default;
    // The integer tag of the selected item.
    virtual std::int32_t selectedTag() const = 0;
};

// The modal questions, the sound and the messages of the desktop.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Returns 1 when the user chose the default button; any other value is a refusal.
    virtual int runAlert(const std::string& title, const std::string& message,
                         const std::string& defaultButton, const std::string& alternateButton) = 0;
    // The chosen folder, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                    const std::string& startFolder) = 0;
    virtual void beep() = 0;
    virtual void reportFailure(const std::string& title, const std::string& message) = 0;
};

// The application around the one window.
class Shell {
public:
    virtual ~Shell() = default;
    // Calls handler each time the review window, and no other window, is about to close.
    virtual void observeWindowClose(std::function<void()> handler) = 0;
    virtual void terminate() = 0;
};

// The controls the search reaches, named as the window's outlets.
struct Outlets {
    NumberField& fileNumber;
    PopUpButton& imageType;
    Button& left;
    ImageView& leftImage;
    TextField& leftPath;
    NumberField& maxNumber;
    Button& open;
    ProgressBar& progressView;
    Button& right;
    ImageView& rightImage;
    TextField& rightPath;
    Button& skipTheRope;
    Desktop& desktop;
    Shell& shell;
};

} // namespace twinpics
