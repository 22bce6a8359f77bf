#include "ui/win32/centring.h"

namespace sumora::win32 {

POINT centredIn(HMONITOR monitor, SIZE size) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    return {work.left + (work.right - work.left - size.cx) / 2,
            work.top + (work.bottom - work.top - size.cy) / 2};
}

}  // namespace sumora::win32
