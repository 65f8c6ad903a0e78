#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The platform's system folder. On Windows it is the Windows folder itself. Elsewhere it is
// the folder "system" that ships with the program (in its data folder): it holds the start-up
// and alarm chime, and the five tool names of the Windows folder stand in it for the
// desktop's own tools.
QString systemFolder();

enum class SystemTool { FileManager, TextEditor, Calculator, DiskUsage, DiskCheck };

// The tool that a path names when it is one of the five tool files of the system folder
// (the file names compare without regard to case, as they do on Windows).
std::optional<SystemTool> systemToolAt(const QString& path);

QString systemToolName(SystemTool tool);
QIcon systemToolIcon(SystemTool tool);
// The desktop program that stands in for the tool: the first of its candidates found on the
// search path, or empty text when this desktop has none of them.
QString systemToolProgram(SystemTool tool);
QStringList systemToolCandidates(SystemTool tool);
void setSystemToolCandidates(SystemTool tool, const QStringList& programs);

// An existing file whose path equals `path` when the letter case of its file name is
// ignored, the way Windows finds files; empty text when there is none.
QString findFileIgnoringCase(const QString& path);

} // namespace platform
