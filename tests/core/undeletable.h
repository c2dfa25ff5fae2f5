#pragma once

#include <string>

namespace twinpics::testing {

// Makes the files in a folder impossible to remove for as long as it lives. Root ignores
// permission bits, so for root the folder is made immutable instead. Check active(): some
// file systems support neither.
class Undeletable {
public:
    explicit Undeletable(std::string folder);
    ~Undeletable();
    Undeletable(const Undeletable&) = delete;
    Undeletable& operator=(const Undeletable&) = delete;

    bool active() const { return active_; }

private:
    bool setImmutable(bool on) const;
    std::string folder_;
    bool active_ = false;
};

} // namespace twinpics::testing
