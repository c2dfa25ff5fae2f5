// twinpics-walk: runs the duplicate search of the application without a window, answers
// every pair with skip, and prints the pairs shown. A driver for tests and benchmarks, not
// part of the application's interface.
//
//   twinpics-walk [--type jpeg|gif|png|tiff] ROOT
//
// Standard output: one line per pair shown, LEFT<TAB>RIGHT, both relative to ROOT and
// escaped as in path_escape.h, in the order shown. Standard error: the counts and timings.
#include "controller.h"
#include "path_escape.h"
#include "phase_hooks.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

using twinpics::walk::Clock;

constexpr int exitUsage = 2;
constexpr int exitFault = 1;

constexpr std::array<std::string_view, 4> typeNames{"jpeg", "gif", "png", "tiff"};

const char* const usage = "usage: twinpics-walk [--type jpeg|gif|png|tiff] ROOT\n"
                          "  Lists the byte-identical image files below the folder ROOT pair by\n"
                          "  pair, as the Twinpics window would show them, skipping each pair.\n"
                          "  --type   the image type to look for (default: jpeg)\n"
                          "  --       ends the options, for a ROOT that starts with '-'\n";

struct Arguments {
    std::int32_t tag = 0;
    std::string root;
};

struct UsageError {
    std::string message;
};

std::optional<std::int32_t> tagOf(std::string_view name) {
    for (std::size_t k = 0; k < typeNames.size(); ++k)
        if (typeNames[k] == name)
            return static_cast<std::int32_t>(k);
    return std::nullopt;
}

// Returns the arguments, nothing for --help, or throws UsageError.
std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    bool typeGiven = false;
    std::optional<std::string> root;
    bool optionsOver = false;
    auto setType = [&](std::string_view name) {
        if (typeGiven)
            throw UsageError{"--type given more than once"};
        const auto tag = tagOf(name);
        if (!tag)
            throw UsageError{"unknown image type '" + std::string(name) +
                             "' (expected jpeg, gif, png or tiff)"};
        arguments.tag = *tag;
        typeGiven = true;
    };
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        if (!optionsOver && argument == "--") {
            optionsOver = true;
        } else if (!optionsOver && (argument == "-h" || argument == "--help")) {
            return std::nullopt;
        } else if (!optionsOver && argument == "--type") {
            if (k + 1 == argc)
                throw UsageError{"--type needs a value"};
            setType(argv[++k]);
        } else if (!optionsOver && argument.starts_with("--type=")) {
            setType(argument.substr(std::string_view("--type=").size()));
        } else if (!optionsOver && argument.size() > 1 && argument.front() == '-') {
            throw UsageError{"unknown option '" + std::string(argument) + "'"};
        } else if (root) {
            throw UsageError{"more than one ROOT given ('" + *root + "', then '" +
                             std::string(argument) + "')"};
        } else {
            root = std::string(argument);
        }
    }
    if (!root)
        throw UsageError{"missing ROOT"};
    if (root->empty())
        throw UsageError{"ROOT is empty"};
    struct stat status {};
    if (::stat(root->c_str(), &status) != 0)
        throw UsageError{"cannot read ROOT '" + *root + "': " + std::strerror(errno)};
    if (!S_ISDIR(status.st_mode))
        throw UsageError{"ROOT '" + *root + "' is not a folder"};
    arguments.root = *root;
    return arguments;
}

// What the headless controls saw.
struct Observed {
    std::optional<Clock::time_point> searchStart; // the first maxNumber write: the sort is over
    std::optional<Clock::time_point> firstPair;   // the first leftPath write
    std::uint64_t pairs = 0;
    std::uint64_t beeps = 0;
    std::uint64_t alerts = 0;
    std::uint64_t choosers = 0;
    std::uint64_t failures = 0;
    std::uint64_t unpairedWrites = 0; // a path field written out of the left-then-right order
};

// Collects the pair lines and writes them in large blocks.
class PairPrinter {
public:
    ~PairPrinter() { flush(); }
    PairPrinter() = default;
    PairPrinter(const PairPrinter&) = delete;
    PairPrinter& operator=(const PairPrinter&) = delete;

    void add(std::string_view left, std::string_view right) {
        buffer_ += twinpics::walk::pairLine(left, right);
        if (buffer_.size() >= 1 << 20)
            flush();
    }
    void flush() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
            failed_ = true;
        buffer_.clear();
    }
    bool failed() const { return failed_; }

private:
    std::string buffer_;
    bool failed_ = false;
};

class NumberField : public twinpics::NumberField {
public:
    explicit NumberField(std::function<void(float)> onSet = {}) : onSet_(std::move(onSet)) {}
    void setFloatValue(float value) override {
        if (onSet_)
            onSet_(value);
    }

private:
    std::function<void(float)> onSet_;
};

class TextField : public twinpics::TextField {
public:
    explicit TextField(std::function<void(const std::string&)> onSet) : onSet_(std::move(onSet)) {}
    void setStringValue(const std::string& bytes) override { onSet_(bytes); }

private:
    std::function<void(const std::string&)> onSet_;
};

class ProgressBar : public twinpics::ProgressBar {
public:
    void setDoubleValue(double) override {}
};

// Shows nothing: no image is decoded.
class ImageView : public twinpics::ImageView {
public:
    void showImageFile(const std::string&, twinpics::ImageSizing) override {}
    void setImageScaling(twinpics::ImageScaling) override {}
};

class Button : public twinpics::Button {
public:
    void setEnabled(bool) override {}
};

class PopUpButton : public twinpics::PopUpButton {
public:
    explicit PopUpButton(std::int32_t tag) : tag_(tag) {}
    std::int32_t selectedTag() const override { return tag_; }

private:
    std::int32_t tag_;
};

class Desktop : public twinpics::Desktop {
public:
    explicit Desktop(Observed& observed) : observed_(observed) {}
    // Only skip is ever pressed, and skip asks nothing: an alert means the search went wrong.
    int runAlert(const std::string& title, const std::string& message, const std::string&,
                 const std::string&) override {
        ++observed_.alerts;
        std::fprintf(stderr, "twinpics-walk: unexpected alert '%s': %s (answered No)\n",
                     title.c_str(), message.c_str());
        return 0;
    }
    // The walk hands the root over as an open-file request, so the chooser is never asked.
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
        ++observed_.choosers;
        std::fprintf(stderr, "twinpics-walk: unexpected folder chooser (cancelled)\n");
        return std::nullopt;
    }
    void beep() override { ++observed_.beeps; }
    void reportFailure(const std::string& title, const std::string& message) override {
        ++observed_.failures;
        std::fprintf(stderr, "twinpics-walk: %s: %s\n", title.c_str(), message.c_str());
    }

private:
    Observed& observed_;
};

class Shell : public twinpics::Shell {
public:
    void observeWindowClose(std::function<void()>) override {}
    void terminate() override {}
};

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void printSpan(const char* label, const std::optional<Clock::time_point>& from,
               const std::optional<Clock::time_point>& to, const char* note = "") {
    if (from && to)
        std::fprintf(stderr, "%-22s %10.3f s%s\n", label, secondsBetween(*from, *to), note);
    else
        std::fprintf(stderr, "%-22s %10s%s\n", label, "n/a", note);
}

int walk(const Arguments& arguments) {
    Observed observed;
    PairPrinter printer;
    std::optional<std::string> left; // the leftPath of the pair being shown

    NumberField fileNumber;
    NumberField maxNumber([&](float) {
        if (!observed.searchStart)
            observed.searchStart = Clock::now();
    });
    TextField leftPath([&](const std::string& bytes) {
        if (!observed.firstPair)
            observed.firstPair = Clock::now();
        if (left)
            ++observed.unpairedWrites;
        left = bytes;
    });
    TextField rightPath([&](const std::string& bytes) {
        if (!left) {
            ++observed.unpairedWrites;
            return;
        }
        printer.add(*left, bytes);
        ++observed.pairs;
        left.reset();
    });
    ProgressBar progressView;
    ImageView leftImage;
    ImageView rightImage;
    Button leftButton, open, rightButton, skipTheRope;
    PopUpButton imageType(arguments.tag);
    Desktop desktop(observed);
    Shell shell;

    twinpics::Controller controller(twinpics::Outlets{
        fileNumber, imageType, leftButton, leftImage, leftPath, maxNumber, open, progressView,
        rightButton, rightImage, rightPath, skipTheRope, desktop, shell});

    const Clock::time_point start = Clock::now();
    controller.applicationOpenFile(arguments.root);
    while (controller.hasPairOnDisplay()) {
        const std::uint64_t before = observed.pairs;
        controller.skip();
        if (observed.pairs == before && controller.hasPairOnDisplay()) {
            std::fprintf(stderr, "twinpics-walk: skip showed no new pair but one is still on "
                                 "display; stopping\n");
            return exitFault;
        }
    }
    const Clock::time_point end = Clock::now();
    printer.flush();
    if (std::fflush(stdout) != 0 || printer.failed()) {
        std::fprintf(stderr, "twinpics-walk: writing the pairs failed: %s\n", std::strerror(errno));
        return exitFault;
    }

    const twinpics::walk::PhaseRecord& phases = twinpics::walk::phaseRecord();
    const bool hooks = twinpics::walk::phaseHooksLinked();
    const std::size_t candidates = controller.scanState().fileArray.size();
    std::fprintf(stderr, "%-22s %s\n", "root", arguments.root.c_str());
    std::fprintf(stderr, "%-22s %s\n", "type",
                 std::string(typeNames[static_cast<std::size_t>(arguments.tag)]).c_str());
    if (hooks)
        std::fprintf(stderr, "%-22s %10llu\n", "entries listed",
                     static_cast<unsigned long long>(phases.entriesListed));
    std::fprintf(stderr, "%-22s %10zu", "candidates", candidates);
    if (hooks)
        std::fprintf(stderr, "   (named as %s: %llu, without a size: %llu)",
                     std::string(typeNames[static_cast<std::size_t>(arguments.tag)]).c_str(),
                     static_cast<unsigned long long>(phases.sizeReads),
                     static_cast<unsigned long long>(phases.sizeFailures));
    std::fprintf(stderr, "\n%-22s %10llu\n", "pairs",
                 static_cast<unsigned long long>(observed.pairs));
    // Listing, sizing and sorting are timed inside the run itself (phase_hooks.h): sizing is
    // from the end of the listing to the start of the sort.
    printSpan("listing", phases.listingStart, phases.listingEnd);
    printSpan("sizing", phases.listingEnd, phases.sortStart);
    printSpan("sorting", phases.sortStart, phases.sortEnd);
    printSpan("to the first pair", start, observed.firstPair, "   (from the start of the scan)");
    printSpan("searching", observed.searchStart, end,
              "   (all comparisons, from the end of the sort to the end of the walk)");
    printSpan("total", start, end);
    std::fprintf(stderr, "%-22s %10llu\n", "beeps",
                 static_cast<unsigned long long>(observed.beeps));

    if (observed.unpairedWrites != 0 || observed.alerts != 0 || observed.choosers != 0 ||
        observed.beeps != 1) {
        std::fprintf(stderr,
                     "twinpics-walk: the search did not behave as expected (path writes out of "
                     "order: %llu, alerts: %llu, choosers: %llu, beeps: %llu, expected 1)\n",
                     static_cast<unsigned long long>(observed.unpairedWrites),
                     static_cast<unsigned long long>(observed.alerts),
                     static_cast<unsigned long long>(observed.choosers),
                     static_cast<unsigned long long>(observed.beeps));
        return exitFault;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<Arguments> arguments;
    try {
        arguments = parseArguments(argc, argv);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "twinpics-walk: %s\n%s", error.message.c_str(), usage);
        return exitUsage;
    }
    if (!arguments) {
        std::fputs(usage, stdout);
        return 0;
    }
    return walk(*arguments);
}
