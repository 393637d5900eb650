#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Whole files read and written at once.
class FileStore {
public:
    // LinkLoop: the symbolic links on the way to the file go round in a loop.
    enum class Status { Read, Missing, Folder, TooLarge, LinkLoop, Refused };
    struct Reading {
        Status status;
        std::string bytes;  // the whole file, when read
        std::string reason; // the system's words, when refused
    };

    virtual ~FileStore() = default;
    // Reads no more than `limit` bytes: a longer file is refused as too large unread.
    virtual Reading read(const std::string& path, std::size_t limit) = 0;
    // Writes a temporary file beside `path` and renames it into place, so that a failure
    // leaves whatever file was there whole. Empty on success, else the reason, said for the
    // user: the system's words, or what they mean here, such as a folder that cannot be
    // written although the file could be.
    virtual std::string write(const std::string& path, const std::string& bytes) = 0;
};

} // namespace platform
