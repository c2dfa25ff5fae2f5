#include "undeletable.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace twinpics::testing {

Undeletable::Undeletable(std::string folder) : folder_(std::move(folder)) {
    active_ = ::geteuid() == 0 ? setImmutable(true) : ::chmod(folder_.c_str(), 0555) == 0;
}

Undeletable::~Undeletable() {
    if (!active_)
        return;
    if (::geteuid() == 0)
        setImmutable(false);
    else
        ::chmod(folder_.c_str(), 0755);
}

bool Undeletable::setImmutable(bool on) const {
    const int descriptor = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(descriptor);
    return done;
}

} // namespace twinpics::testing
