#pragma once

#include "platform/file_store.h"

namespace platform {

// Files by the bytes of their names, which a POSIX system does not require to be UTF-8. A
// write goes to a new file in the target's folder, flushed to the disk and renamed over the
// target, so the folder must be writable as well as the file; the new file takes the
// permissions of the file it replaces. A write to a symbolic link replaces the file it leads to.
class PosixFileStore : public FileStore {
public:
    Reading read(const std::string& path, std::size_t limit) override;
    std::string write(const std::string& path, const std::string& bytes) override;
};

} // namespace platform
