#include "ui/main_window/sumora_icon.h"

#include <array>

namespace sumora::ui {

QIcon sumoraIcon() {
    static constexpr std::array sizes{32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/sumora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace sumora::ui
