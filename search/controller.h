#pragma once

#include "check_duplication.h"
#include "controls.h"
#include "scan_state.h"

#include <cstdint>
#include <optional>
#include <string>

namespace twinpics {

// Stands between the window and the duplicate search: receives every action of the user,
// owns the scan state and shows it through the window's controls.
class Controller {
public:
    // The two results of a search.
    static constexpr int pairShown = 121;
    static constexpr int walkOver = 0;

    explicit Controller(Outlets outlets);

    // Scanning a folder, chosen in the folder chooser or handed over by the desktop.
    void selectFolder();
    void applicationOpenFile(const std::string& path);

    // How each image view draws its image.
    void leftProportionally();
    void leftNone();
    void rightProportionally();
    void rightNone();

    // The answers to the pair on display, and whether deleting asks first (state 1: ask).
    void confirm(int checkboxState);
    void skip();
    void deleteLeftImage();
    void deleteRightImage();

    // The pair search: each returns pairShown or walkOver.
    int ijLine();
    int jLine();

    void quickSortRight(std::int32_t left, std::int32_t right);

    // The application's life: once the window is up, and when it closes.
    void awakeFromNib();
    void something();

    const ScanState& scanState() const { return state_; }
    // Whether a pair of the current scan state is on display, so that the review commands
    // have something to act on.
    bool hasPairOnDisplay() const;

private:
    void scan(const std::optional<std::string>& root);
    void collectCandidates(std::int32_t tag);
    void readSizes();
    void finishScan(bool fromChooser, int result);

    void updatePosition();
    void showPair(ImageSizing sizing);
    void loadImageAtPixelSize(ImageView& view, const std::string& fullPath);
    void loadImage(ImageView& view, const std::string& fullPath);
    bool sameSize(std::int32_t a, std::int32_t b) const;
    bool sameContents(std::int32_t a, std::int32_t b) const;

    bool deleteAfterAsking(std::int32_t victim, std::int32_t keeper);
    std::optional<std::string> reasonToKeep(const std::string& victim,
                                            const std::string& keeper) const;
    void resumeWithSameLeft();
    void endWalkIfOver(int result);
    void setReviewButtonsEnabled(bool enabled);

    std::string fullPath(std::int32_t entry) const;
    const std::string& entry(std::int32_t index) const;

    Outlets outlets_;
    CheckDuplication checkDuplication_;
    ScanState state_;
};

} // namespace twinpics
