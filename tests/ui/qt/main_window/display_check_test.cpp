#include <gtest/gtest.h>
#include <QProcess>

namespace {

// Without a display the program says so in one line and fails: no abort, no core dump.
TEST(DisplayCheck, WithoutADisplayTheProgramSaysSoInOneLineAndFails) {
    const std::pair<QStringList, QString> cases[] = {
        {{}, {}},                          // no display at all
        {{"-platform", "offscreen"}, {}},  // Qt's own platform option is ignored
        {{}, ":59"},                       // a display that cannot be reached
    };
    for (const auto& [arguments, display] : cases) {
        SCOPED_TRACE((arguments.join(' ') + display).toStdString());
        QProcessEnvironment env;
        env.insert("DISPLAY", display);  // empty is as good as unset
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(SUMORA_EXECUTABLE, arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        const QByteArray error = process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
        EXPECT_TRUE(error.contains("xvfb-run")) << error.toStdString();
    }
}

}  // namespace
