#pragma once

#include "platform/platform_services.h"

// Starts the operating system's system-information tool, found through the registry, or tells
// the user in a message box that it is unavailable. Never throws.
void startSysInfo(platform::PlatformServices& services);
