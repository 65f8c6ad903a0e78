#pragma once

#include "platform/SystemFolder.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// A command line taken apart: the program found at its head and the arguments after it.
struct CommandLine {
    QString program;
    QStringList arguments;
    // Set when the program is one of the tool names of the system folder; `program` is then
    // the desktop program standing in for it, or empty text when this desktop has none.
    std::optional<SystemTool> tool;
};

// Takes a command line apart the way the platform does when it starts a program from one:
// a program path in double quotes ends at the closing quote; an unquoted one may contain
// blanks, and is found by trying the text up to each blank in turn, then the whole text,
// until one names a program. The rest is split into arguments like a shell's command line.
// Nothing when no program is found at the head.
std::optional<CommandLine> parseCommandLine(const QString& commandLine);

struct StartedProgram {
    // TooLong: the system refused the command line for its length.
    enum class Outcome { Started, NotFound, Failed, TooLong };
    Outcome outcome = Outcome::NotFound;
    qint64 processId = 0;
    std::optional<SystemTool> tool; // as in CommandLine, also when it could not be started

    bool started() const { return outcome == Outcome::Started; }
};

// Starts the program at `file` itself, by its full path, with `options` split into arguments like
// a shell's command line; a tool name of the system folder starts the desktop program standing in
// for it. The program runs as a new process with its window shown normally; the start returns at
// once without waiting for it.
StartedProgram startProgram(const QString& file, const QString& options = {});

// Starts `file` as startProgram does when it names an existing file. Otherwise the file may be a
// bare program name, a tool name or carry arguments of its own, and the program is the one found
// at the head of the command line "file options".
StartedProgram startCommandLine(const QString& file, const QString& options);

} // namespace platform
