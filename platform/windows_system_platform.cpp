#include "platform/system_platform.h"
#include "platform/windows_platform.h"

namespace sumora::platform {

std::unique_ptr<Platform> makeSystemPlatform() {
    return std::make_unique<WindowsPlatform>();
}

}  // namespace sumora::platform
