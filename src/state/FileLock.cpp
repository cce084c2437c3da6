#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace vlnobrod {

FileLock::FileLock(std::string path, std::chrono::milliseconds patience) : path_(std::move(path)) {
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the file as it lets go: a lock taken on a file that
            // is no longer there locks nothing, so it is taken again on the new one.
            struct stat held {
            }, named{};
            if (::fstat(fd, &held) == 0 && ::stat(path_.c_str(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                fd_ = fd;
                return;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK)
            return;
        if (std::chrono::steady_clock::now() >= giveUp) {
            busy_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FileLock::~FileLock() {
    if (fd_ < 0)
        return;
    // Removed while still held, so nobody takes a lock on a file about to go.
    ::unlink(path_.c_str());
    ::close(fd_);
}

} // namespace vlnobrod
