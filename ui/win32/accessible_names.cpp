#include <initguid.h>

#include "ui/win32/accessible_names.h"

#include "ui/win32/wide_text.h"

namespace sumora::win32 {

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
    named_.push_back(control);
    return true;
}

void AccessibleNames::clear() {
    if (services_ == nullptr) {
        return;
    }
    MSAAPROPID property = PROPID_ACC_NAME;
    for (HWND control : named_) {
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &property, 1);
    }
    named_.clear();
}

}  // namespace sumora::win32
