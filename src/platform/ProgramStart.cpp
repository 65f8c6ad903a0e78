#include "platform/ProgramStart.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <string>
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace platform {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The program that a path at the head of a command line names, if it names one. A bare name
// is looked up on the search path, as the platform does.
std::optional<CommandLine> programAt(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    if (const auto tool = systemToolAt(path))
        return CommandLine{systemToolProgram(*tool), {}, tool};
    const QString file = path.contains(u'/') ? path : QStandardPaths::findExecutable(path);
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile() || !info.isExecutable())
        return std::nullopt;
    return CommandLine{info.absoluteFilePath(), {}, std::nullopt};
}

} // namespace

std::optional<CommandLine> parseCommandLine(const QString& commandLine) {
    qsizetype start = 0;
    while (start < commandLine.size() && isBlank(commandLine[start]))
        ++start;

    std::optional<CommandLine> found;
    qsizetype restAt = commandLine.size();
    if (start < commandLine.size() && commandLine[start] == u'"') {
        const qsizetype close = commandLine.indexOf(u'"', start + 1);
        const qsizetype end = close < 0 ? commandLine.size() : close;
        found = programAt(commandLine.mid(start + 1, end - start - 1));
        restAt = close < 0 ? commandLine.size() : close + 1;
    } else {
        for (qsizetype i = start + 1; i <= commandLine.size() && !found; ++i) {
            const bool endOfWord = i == commandLine.size() || isBlank(commandLine[i]);
            if (!endOfWord || isBlank(commandLine[i - 1]))
                continue;
            found = programAt(commandLine.mid(start, i - start));
            restAt = i;
        }
    }
    if (!found)
        return std::nullopt;
    found->arguments = QProcess::splitCommand(QStringView(commandLine).mid(restAt));
    return found;
}

namespace {

#ifdef Q_OS_WIN
// The platform's own process start takes the command line as it stands.
StartedProgram createProcess(const QString& commandLine) {
    std::wstring text = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {GetLastError() == ERROR_FILENAME_EXCED_RANGE ? StartedProgram::Outcome::TooLong
                                                             : StartedProgram::Outcome::NotFound,
                0, std::nullopt};
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {StartedProgram::Outcome::Started, qint64(process.dwProcessId), std::nullopt};
}
#else
StartedProgram startDetached(const CommandLine& command) {
    StartedProgram result;
    result.tool = command.tool;
    if (command.program.isEmpty())
        return result;
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    if (process.startDetached(&result.processId))
        result.outcome = StartedProgram::Outcome::Started;
    else // why is told only by the error text, which ends with the system's message for the error
        result.outcome = process.errorString().endsWith(qt_error_string(E2BIG)) ? StartedProgram::Outcome::TooLong
                                                                                : StartedProgram::Outcome::Failed;
    return result;
}
#endif

} // namespace

StartedProgram startProgram(const QString& file, const QString& options) {
#ifdef Q_OS_WIN
    return createProcess(u'"' + QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()) + u"\" "_s + options);
#else
    const auto tool = systemToolAt(file);
    return startDetached(
        {tool ? systemToolProgram(*tool) : QFileInfo(file).absoluteFilePath(), QProcess::splitCommand(options), tool});
#endif
}

StartedProgram startCommandLine(const QString& file, const QString& options) {
    if (QFileInfo(file).isFile())
        return startProgram(file, options);
    const QString commandLine = file + u' ' + options;
#ifdef Q_OS_WIN
    return createProcess(commandLine);
#else
    const auto parsed = parseCommandLine(commandLine);
    return parsed ? startDetached(*parsed) : StartedProgram{};
#endif
}

} // namespace platform
