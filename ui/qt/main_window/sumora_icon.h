#pragma once

#include <QIcon>

namespace sumora::qt {

// The program's icon in the sizes a window needs; a missing file leaves its size out.
QIcon sumoraIcon();

}  // namespace sumora::qt
