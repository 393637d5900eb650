#pragma once

#include "platform/registry.h"

#include <cstdint>
#include <string>

// Reads one value of a registry key into result: a string value up to its first NUL, a 32-bit
// number value as its decimal text. Returns whether the value was found; on a miss the result
// is "". Every key it opens is closed again before it returns, also when it throws.
bool getKeyValue(platform::Registry& registry, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& valueName, std::string& result);
