#include "platform/common/picture_limits.h"
#include "platform/linux/picture_sources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform::pictures {
namespace {

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

} // namespace

bool ReadLocalFile(const char* path, std::vector<std::uint8_t>& bytes) {
    // Opening without blocking keeps a FIFO from waiting for a writer; the type check below then
    // refuses it.
    FileDescriptor file{open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        return false;
    }
    struct stat status;
    if (fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0 ||
        static_cast<unsigned long long>(status.st_size) > kMaxEncodedBytes) {
        return false;
    }
    std::size_t size = static_cast<std::size_t>(status.st_size);
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = read(file.fd, bytes.data() + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break; // the file shrank while being read
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return done == size;
}

} // namespace platform::pictures
