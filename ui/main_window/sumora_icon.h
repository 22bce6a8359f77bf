#pragma once

#include <QIcon>

namespace sumora::ui {

// The program's icon in every size the resources carry. The files are read only when a size is
// drawn, and a missing one leaves that size out.
QIcon sumoraIcon();

}  // namespace sumora::ui
