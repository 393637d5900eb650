#include "about/start_sys_info.h"

#include "about/get_key_value.h"

#include <optional>
#include <string>

namespace {

using platform::Registry;

const std::string ToolKey(Registry::SystemInfoKey);
const std::string ToolValue(Registry::SystemInfoPathValue);
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string FolderValue = "MSINFO";
const std::string ToolFile = "\\MSINFO32.EXE";
const std::string Unavailable = "System Information Is Unavailable At This Time";

// The tool's full path if the registry names one. A path read straight from the tool's own
// key is trusted as it is; a folder from the shared location must hold the tool file.
std::optional<std::string> toolPath(platform::PlatformServices& services) {
    std::string path;
    if (getKeyValue(services.registry, Registry::LocalMachine, ToolKey, ToolValue, path)) {
        return path;
    }
    std::string folder;
    if (!getKeyValue(services.registry, Registry::LocalMachine, FolderKey, FolderValue, folder)) {
        return std::nullopt;
    }
    path = folder + ToolFile;
    if (!services.files.exists(path)) {
        return std::nullopt;
    }
    return path;
}

} // namespace

void startSysInfo(platform::PlatformServices& services) {
    // Any failure on the way, a thrown one included, ends in the same message.
    try {
        const auto path = toolPath(services);
        if (path && services.launcher.start(*path)) {
            return;
        }
    } catch (...) {
    }
    services.messageBox.show(Unavailable);
}
