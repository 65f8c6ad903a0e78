#include "platform/SystemFolder.h"

#include "platform/ApplicationFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace platform {

namespace {

struct ToolEntry {
    SystemTool tool;
    const char16_t* fileName; // lower case
    const char16_t* name;
    const char16_t* iconName;
    const char16_t* fallbackIcon;
};

constexpr std::array tools{
    ToolEntry{SystemTool::FileManager, u"explorer.exe", u"ファイルマネージャー", u"system-file-manager", u"folder"},
    ToolEntry{SystemTool::TextEditor, u"notepad.exe", u"テキストエディター", u"accessories-text-editor",
              u"text-x-generic"},
    ToolEntry{SystemTool::Calculator, u"calc.exe", u"電卓", u"accessories-calculator", u"accessories-calculator"},
    ToolEntry{SystemTool::DiskUsage, u"defrag.exe", u"ディスク使用量", u"baobab", u"drive-harddisk"},
    ToolEntry{SystemTool::DiskCheck, u"scandskw.exe", u"ディスクの検査", u"gnome-disks", u"drive-multidisk"},
};

const ToolEntry& entry(SystemTool tool) {
    for (const auto& e : tools)
        if (e.tool == tool)
            return e;
    return tools.front();
}

QHash<SystemTool, QStringList>& candidates() {
    static QHash<SystemTool, QStringList> table{
        {SystemTool::FileManager,
         {u"nautilus"_s, u"nemo"_s, u"caja"_s, u"thunar"_s, u"pcmanfm-qt"_s, u"pcmanfm"_s, u"dolphin"_s}},
        {SystemTool::TextEditor,
         {u"gnome-text-editor"_s, u"gedit"_s, u"mousepad"_s, u"pluma"_s, u"xed"_s, u"kate"_s, u"kwrite"_s,
          u"featherpad"_s, u"leafpad"_s}},
        {SystemTool::Calculator,
         {u"gnome-calculator"_s, u"mate-calc"_s, u"galculator"_s, u"kcalc"_s, u"qalculate-gtk"_s, u"xcalc"_s}},
        {SystemTool::DiskUsage, {u"baobab"_s, u"filelight"_s, u"qdirstat"_s, u"k4dirstat"_s}},
        {SystemTool::DiskCheck, {u"gnome-disks"_s, u"partitionmanager"_s, u"gparted"_s}},
    };
    return table;
}

} // namespace

QString systemFolder() {
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(length)));
#else
    return dataFolder() + u"/system"_s;
#endif
}

std::optional<SystemTool> systemToolAt(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return std::nullopt; // the real tools of the Windows folder are used
#else
    const QFileInfo file(path);
    if (QDir::cleanPath(file.absolutePath()) != QDir::cleanPath(QFileInfo(systemFolder()).absoluteFilePath()))
        return std::nullopt;
    const QString name = file.fileName().toLower();
    for (const auto& e : tools)
        if (name == QStringView(e.fileName))
            return e.tool;
    return std::nullopt;
#endif
}

QString systemToolName(SystemTool tool) {
    return QString::fromUtf16(entry(tool).name);
}

QIcon systemToolIcon(SystemTool tool) {
    const auto& e = entry(tool);
    QIcon icon = QIcon::fromTheme(QString::fromUtf16(e.iconName));
    if (icon.isNull())
        icon = QIcon::fromTheme(QString::fromUtf16(e.fallbackIcon));
    return icon;
}

QStringList systemToolCandidates(SystemTool tool) {
    return candidates().value(tool);
}

void setSystemToolCandidates(SystemTool tool, const QStringList& programs) {
    candidates()[tool] = programs;
}

QString systemToolProgram(SystemTool tool) {
    for (const QString& program : candidates().value(tool)) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString findFileIgnoringCase(const QString& path) {
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    if (file.isFile())
        return file.absoluteFilePath();
    const QDir folder = file.absoluteDir();
    if (!folder.exists())
        return {};
    const QString wanted = file.fileName();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.absoluteFilePath(name);
    return {};
}

} // namespace platform
