#pragma once

#include <memory>

#include "platform/platform.h"

namespace sumora::platform {

// The platform of the system Sumora was built for.
std::unique_ptr<Platform> makeSystemPlatform();

}  // namespace sumora::platform
