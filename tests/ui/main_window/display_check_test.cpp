#include <gtest/gtest.h>
#include <QProcess>

#include "ui/main_window/display_check.h"

namespace sumora::ui {
namespace {

TEST(DisplayCheck, KnowsWhenNoWindowCanBeShown) {
    struct Case {
        std::string_view name;
        DisplayEnvironment environment;
        bool missing;
    };
    const Case cases[] = {
        {"nothing set", {"", "", ""}, true},
        {"an X display", {":0", "", ""}, false},
        {"a Wayland display", {"", "wayland-0", ""}, false},
        {"the offscreen platform asked for", {"", "", "offscreen"}, false},
        {"X asked for without a display", {"", "wayland-0", "xcb"}, true},
        {"X asked for with a display", {":1", "", "xcb"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto line = missingDisplay(c.environment);
        ASSERT_EQ(line.has_value(), c.missing);
        if (line) {
            EXPECT_NE(line->find("xvfb-run"), std::string::npos) << *line;
        }
    }
}

struct Outcome {
    QProcess::ExitStatus status;
    int code;
    QByteArray error;
};

Outcome runSumora(const QStringList& arguments, const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env;
    env.insert("PATH", qEnvironmentVariable("PATH"));
    for (const QString& setting : environment) {
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    }
    process.setProcessEnvironment(env);
    process.start(SUMORA_EXECUTABLE, arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    return {process.exitStatus(), process.exitCode(), process.readAllStandardError()};
}

TEST(DisplayCheck, WithoutADisplayTheProgramSaysSoInOneLineAndFails) {
    struct Case {
        std::string_view name;
        QStringList arguments;
        QStringList environment;
    };
    const Case cases[] = {
        {"no display at all", {}, {}},
        {"Qt's own platform option is ignored", {"-platform", "offscreen"}, {}},
        {"a display that cannot be reached", {}, {"DISPLAY=:59"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome run = runSumora(c.arguments, c.environment);
        EXPECT_EQ(run.status, QProcess::NormalExit);  // no abort, no core dump
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.error.count('\n'), 1) << run.error.toStdString();
        EXPECT_TRUE(run.error.contains("xvfb-run")) << run.error.toStdString();
    }
}

TEST(DisplayCheck, ArgumentsDoNotStopTheWindowFromStarting) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(SUMORA_EXECUTABLE, {"--help", "-style", "nonexistent", "anything"});
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_FALSE(process.waitForFinished(1500)) << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished();
}

}  // namespace
}  // namespace sumora::ui
