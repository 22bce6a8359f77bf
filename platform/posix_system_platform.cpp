#include "platform/posix_platform.h"
#include "platform/qt_message_box.h"
#include "platform/system_platform.h"

namespace sumora::platform {

std::unique_ptr<Platform> makeSystemPlatform() {
    return std::make_unique<PosixPlatform>(showQtMessageBox,
                                           PosixRegistry(systemInfoToolCandidates()));
}

}  // namespace sumora::platform
