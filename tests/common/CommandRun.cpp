#include "CommandRun.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <sstream>

namespace common::test {

CommandResult
captureCommand(const std::function<int(std::ostream& out, std::ostream& err)>& command) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = command(out, err);
    return {exitCode, out.str(), err.str()};
}

CommandResult captureCommandLine(CommandLine commandLine, const QStringList& arguments) {
    return captureCommand(
        [&](std::ostream& out, std::ostream& err) { return commandLine(arguments, out, err); });
}

ProgramResult runProgramWithoutDisplay(const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

void expectRun(const ExpectedRun& expected, const CommandResult& result) {
    const std::string words = expected.arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(result.exitCode, expected.exitCode) << words << "\n" << result.err;
    EXPECT_NE(result.out.find(expected.out), std::string::npos) << words << "\n" << result.out;
    EXPECT_NE(result.err.find(expected.err), std::string::npos) << words << "\n" << result.err;
}

void expectRun(const ExpectedRun& expected, const ProgramResult& result) {
    expectRun(expected,
              CommandResult{result.exitCode, result.out.toStdString(), result.err.toStdString()});
}

} // namespace common::test
