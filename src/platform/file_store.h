#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Whole files read and written at once.
class FileStore {
public:
    enum class Status { Read, Missing, Folder, TooLarge, Refused };
    struct Reading {
        Status status;
        std::string bytes;  // the whole file, when read
        std::string reason; // the system's words, when refused
    };

    virtual ~FileStore() = default;
    // Reads no more than `limit` bytes: a longer file is refused as too large unread.
    virtual Reading read(const std::string& path, std::size_t limit) = 0;
    // Writes a temporary file beside `path` and renames it into place, so that a failure
    // leaves whatever file was there whole. Empty on success, else the system's reason.
    virtual std::string write(const std::string& path, const std::string& bytes) = 0;
};

} // namespace platform
