#pragma once

// Names for screen readers through Dynamic Annotation: a push button otherwise reads out its
// caption, and "Sqr" or "+ -" say little. The text fields keep their text as their name and get a
// description that says which field they are; each is a polite live region, which Narrator and
// NVDA speak when the window raises a live-region change for it. Where the service is missing the
// keys keep their captions as names and the window works as before.

#include <windows.h>

#include <oleacc.h>

#include <string_view>
#include <vector>

namespace sumora::win32 {

class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Starts COM and the service: it loads several libraries, so the window asks only once it
    // is on the screen.
    void start();
    // False when the name could not be set.
    bool name(HWND control, std::string_view accessibleName);
    // False when the field could not be annotated.
    bool describeField(HWND field, std::string_view description);
    // Drops the names before the controls go away, as the service asks.
    void clear();

private:
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> annotated_;
};

}  // namespace sumora::win32
