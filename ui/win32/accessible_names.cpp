#include <initguid.h>

#include "ui/win32/accessible_names.h"

#include <iterator>

#include "ui/win32/wide_text.h"

namespace sumora::win32 {

namespace {

// UI Automation's LiveSetting property, which the headers of some compilers lack; its value 1 is
// a polite live region.
DEFINE_GUID(liveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG politeLiveRegion = 1;

}  // namespace

void AccessibleNames::start() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
        services_ = nullptr;
    }
}

AccessibleNames::~AccessibleNames() {
    clear();
    if (services_ != nullptr) {
        services_->Release();
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

bool AccessibleNames::name(HWND control, std::string_view accessibleName) {
    if (services_ == nullptr) {
        return false;
    }
    const std::wstring name = widen(accessibleName);
    if (FAILED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                         PROPID_ACC_NAME, name.c_str()))) {
        return false;
    }
    annotated_.push_back(control);
    return true;
}

bool AccessibleNames::describeField(HWND field, std::string_view description) {
    if (services_ == nullptr) {
        return false;
    }
    const std::wstring text = widen(description);
    VARIANT live{};
    live.vt = VT_I4;
    live.lVal = politeLiveRegion;
    const auto object = static_cast<DWORD>(OBJID_CLIENT);
    const bool described =
        SUCCEEDED(services_->SetHwndPropStr(field, object, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                            text.c_str())) &&
        SUCCEEDED(services_->SetHwndProp(field, object, CHILDID_SELF, liveSettingProperty, live));
    annotated_.push_back(field);
    return described;
}

void AccessibleNames::clear() {
    if (services_ == nullptr) {
        return;
    }
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, liveSettingProperty};
    for (HWND control : annotated_) {
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  properties, static_cast<int>(std::size(properties)));
    }
    annotated_.clear();
}

}  // namespace sumora::win32
