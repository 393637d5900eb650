#include "platform/posix_file_store.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using Status = FileStore::Status;

// An open file that closes when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    // False where closing reports an error, such as a write the disk did not take.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string reason(int error) {
    return std::strerror(error);
}

FileStore::Reading openFailed(const std::string& path, int error) {
    if (error == ENOENT || error == ENOTDIR) {
        return {Status::Missing, {}, {}};
    }
    if (error == ELOOP) {
        return {Status::LinkLoop, {}, {}};
    }
    // A folder one may not read is still a folder.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return {Status::Folder, {}, {}};
    }
    return {Status::Refused, {}, reason(error)};
}

// Up to `limit` bytes and one more; false when reading fails, with errno saying why.
bool readUpTo(int fd, std::size_t limit, std::string& bytes) {
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno != EINTR) {
            return false;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, got < 0 ? 0 : static_cast<std::size_t>(got));
    }
    return true;
}

bool writeAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno != EINTR) {
            return false;
        }
        done += put < 0 ? 0 : static_cast<std::size_t>(put);
    }
    return true;
}

// The file a write replaces: the one a symbolic link leads to, where it leads to one.
std::string targetOf(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return path;
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    const std::string target = resolved != nullptr ? resolved : path;
    std::free(resolved);
    return target;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside the target, which no other file of that name may stand in for.
int createBeside(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".vexolan-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Why the new file could not be made: said of the folder where the folder refuses it, since
// the file itself may well be writable.
std::string creationRefused(const std::string& target, int error) {
    if (error == EACCES || error == EPERM || error == EROFS) {
        return "The folder \"" + folderOf(target) + "\" cannot be written (" + reason(error) +
               "); a save replaces the file through a temporary file beside it.";
    }
    return reason(error);
}

} // namespace

FileStore::Reading PosixFileStore::read(const std::string& path, std::size_t limit) {
    // Without blocking, so that a named pipe with no writer is refused instead of waited for.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        return openFailed(path, errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return {Status::Refused, {}, reason(errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return {Status::Folder, {}, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Status::Refused, {}, "not an ordinary file"};
    }
    // Reading stops one byte past the limit: enough to know a file is too large.
    std::string bytes;
    if (!readUpTo(file.get(), limit, bytes)) {
        return {Status::Refused, {}, reason(errno)};
    }
    if (bytes.size() > limit) {
        return {Status::TooLarge, {}, {}};
    }
    return {Status::Read, std::move(bytes), {}};
}

std::string PosixFileStore::write(const std::string& path, const std::string& bytes) {
    const std::string target = targetOf(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return "Filename refers to a directory";
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return "Existing file " + target + " is not writable";
    }
    std::string temporary;
    Descriptor file(createBeside(target, temporary));
    if (file.get() < 0) {
        return creationRefused(target, errno);
    }
    const bool written = (!exists || ::fchmod(file.get(), existing.st_mode & 07777) == 0) &&
                         writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close() &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return reason(error);
    }
    return {};
}

} // namespace platform
