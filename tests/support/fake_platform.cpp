#include "support/fake_platform.h"

#include <cstring>
#include <stdexcept>

void FakeRegistry::addString(const std::string& key, const std::string& name,
                             const std::string& text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    keys[key][name] = Value{StringType, bytes};
}

long FakeRegistry::openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                           Key& key) {
    opened.push_back(subKey);
    accessRequested.push_back(access);
    if (root != LocalMachine || keys.count(subKey) == 0) {
        key = 0;
        return 2; // file not found
    }
    key = next_++;
    handles_[key] = subKey;
    openHandles.insert(key);
    return Success;
}

long FakeRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                              unsigned char* data, std::uint32_t& size) {
    auto handle = handles_.find(key);
    if (handle == handles_.end() || openHandles.count(key) == 0) {
        return 6; // invalid handle
    }
    if (throwOnQuery) {
        throw std::runtime_error("registry failure");
    }
    const auto& values = keys[handle->second];
    auto value = values.find(valueName);
    if (value == values.end()) {
        return 2;
    }
    type = value->second.type;
    const auto& bytes = value->second.bytes;
    if (bytes.size() > size) {
        size = static_cast<std::uint32_t>(bytes.size());
        return 234; // more data
    }
    std::memcpy(data, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    return Success;
}

long FakeRegistry::closeKey(Key key) {
    closed.push_back(key);
    if (openHandles.erase(key) == 0) {
        ++closeOfUnopenedKeys;
        return 6;
    }
    return Success;
}
