#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

// The program's name and version for the desktop and the command line (after the application
// object exists).
void introduceProgram();

// The command line: --help and --version, told in Japanese when the system's language is
// Japanese and in English otherwise, and the phone book's files and the backup for scripts
// (see DataCommand.h). Any other option or argument gets a short message.
// Answered before the windows' toolkit starts, so that it needs no display. Returns the exit
// status when the command line was all there was to do, nothing when the windows should open.
std::optional<int> answerCommandLine(int& argc, char** argv);

// The same for arguments (the program's name first) once an application object exists, with
// what it says going to `out` and `err`.
std::optional<int> answerArguments(const QStringList& arguments, QTextStream& out, QTextStream& err);
