#pragma once

#include <optional>

// The program's name and version for the desktop and the command line (after the application
// object exists).
void introduceProgram();

// The command line: --help and --version, told in Japanese when the system's language is
// Japanese and in English otherwise. Any other option or argument gets a short message.
// Answered before the windows' toolkit starts, so that it needs no display. Returns the exit
// status when the command line was all there was to do, nothing when the windows should open.
std::optional<int> answerCommandLine(int& argc, char** argv);
