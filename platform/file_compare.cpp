#include "file_compare.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace twinpics {
namespace {

constexpr std::size_t blockSize = 256 * 1024;
// Files of one size mostly differ early (headers, the first scan lines), so a short first
// read settles most comparisons without the cost of a full block.
constexpr std::size_t firstBlockSize = 4 * 1024;

class OpenFile {
public:
    // O_NONBLOCK so that a FIFO swapped in at the last moment cannot make open wait for a
    // writer.
    // Anything but a regular file is turned away before it is opened, since opening some
    // devices has effects of its own.
    explicit OpenFile(const std::string& path) : descriptor_(-1) {
        if (::stat(path.c_str(), &status_) != 0 || !S_ISREG(status_.st_mode))
            return;
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        // The entry may have been swapped for something else between the two calls.
        if (descriptor_ >= 0 && (::fstat(descriptor_, &status_) != 0 || !S_ISREG(status_.st_mode)))
            close();
        if (descriptor_ >= 0)
            ::posix_fadvise(descriptor_, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    ~OpenFile() { close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isRegular() const { return descriptor_ >= 0; }
    const struct stat& status() const { return status_; }

    // Fills buffer as far as the file goes; returns the count, or -1 on a read error.
    ssize_t readBlock(char* buffer, std::size_t size) const {
        std::size_t filled = 0;
        while (filled < size) {
            const ssize_t got = ::read(descriptor_, buffer + filled, size - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return -1;
            if (got == 0)
                break;
            filled += static_cast<std::size_t>(got);
        }
        return static_cast<ssize_t>(filled);
    }

private:
    void close() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        descriptor_ = -1;
    }

    int descriptor_;
    struct stat status_ {};
};

bool sameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Sameness compareBlocks(const OpenFile& first, const OpenFile& second) {
    // One pair of blocks for the life of the program: comparisons come by the thousand.
    static const auto buffers = std::make_unique<std::array<char, 2 * blockSize>>();
    char* firstBlock = buffers->data();
    char* secondBlock = firstBlock + blockSize;
    for (std::size_t size = firstBlockSize;; size = blockSize) {
        const ssize_t firstCount = first.readBlock(firstBlock, size);
        const ssize_t secondCount = second.readBlock(secondBlock, size);
        if (firstCount < 0 || secondCount < 0)
            return Sameness::unreadable;
        if (firstCount != secondCount ||
            std::memcmp(firstBlock, secondBlock, static_cast<std::size_t>(firstCount)) != 0)
            return Sameness::different;
        if (firstCount == 0)
            return Sameness::identical;
    }
}

} // namespace

Sameness compareContents(const std::string& first, const std::string& second) {
    const OpenFile a(first);
    const OpenFile b(second);
    if (!a.isRegular() || !b.isRegular())
        return Sameness::unreadable;
    if (sameInode(a.status(), b.status()))
        return Sameness::sameFile;
    if (a.status().st_size != b.status().st_size)
        return Sameness::different;
    return compareBlocks(a, b);
}

} // namespace twinpics
