#pragma once

#include "platform/file_store.h"

// Files through QFile, and written through QSaveFile: a temporary file beside the target,
// renamed into place only once it is whole.
class QtFileStore : public platform::FileStore {
public:
    Reading read(const std::string& path, std::size_t limit) override;
    std::string write(const std::string& path, const std::string& bytes) override;
};
