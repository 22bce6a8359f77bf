#include <gtest/gtest.h>
#include <QProcess>

namespace {

// Without a display the program says so in one line and fails: no abort, no core dump.
TEST(DisplayCheck, WithoutADisplayTheProgramSaysSoInOneLineAndFails) {
    struct Case {
        std::string_view name;
        QStringList arguments;
        QString display;
    };
    const Case cases[] = {
        {"no display at all", {}, {}},
        {"Qt's own platform option is ignored", {"-platform", "offscreen"}, {}},
        {"a display that cannot be reached", {}, ":59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment env;
        env.insert("DISPLAY", c.display);  // empty is as good as unset
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(SUMORA_EXECUTABLE, c.arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        const QByteArray error = process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
        EXPECT_TRUE(error.contains("xvfb-run")) << error.toStdString();
    }
}

}  // namespace
