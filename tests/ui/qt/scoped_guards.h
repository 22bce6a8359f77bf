#pragma once

#include <functional>
#include <utility>

#include <QLocale>
#include <QTimer>

namespace sumora::ui {

// A single-shot timer that dies with its scope, so that a test that ends early, by a failed
// assertion too, leaves nothing behind to fire into the next test.
class ScopedTimer {
public:
    ScopedTimer(int milliseconds, std::function<void()> action) {
        timer_.setSingleShot(true);
        timer_.callOnTimeout(std::move(action));
        timer_.start(milliseconds);
    }

private:
    QTimer timer_;
};

// The default locale for one scope; the one before comes back however the scope ends.
class ScopedDefaultLocale {
public:
    explicit ScopedDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedDefaultLocale() { QLocale::setDefault(before_); }
    ScopedDefaultLocale(const ScopedDefaultLocale&) = delete;
    ScopedDefaultLocale& operator=(const ScopedDefaultLocale&) = delete;

private:
    QLocale before_;
};

}  // namespace sumora::ui
