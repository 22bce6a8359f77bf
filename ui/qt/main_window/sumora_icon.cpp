#include "ui/qt/main_window/sumora_icon.h"

#include <array>

namespace sumora::qt {

QIcon sumoraIcon() {
    // Up to twice the 32-pixel icon, for 200% scaling. The larger renders belong to the desktop's
    // icon theme: handing them to the window server too would add milliseconds to every start.
    static constexpr std::array sizes{32, 48, 64};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/sumora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace sumora::qt
