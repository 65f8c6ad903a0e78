#pragma once

// Files for the tests that start programs, above all a harmless program of the test's own: a
// shell script that writes the arguments it was given, one to a line, to a file beside itself.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Writes a file and the folders above it; an executable file is a program to the platform.
inline void writeFile(const QString& path, const QByteArray& content = {}, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write a test file");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

class RecordingProgram {
public:
    explicit RecordingProgram(const QString& path) : m_path(path) {
        writeFile(path,
                  "#!/bin/sh\nout=\"$0.args\"\n: > \"$out.part\"\n"
                  "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\nmv \"$out.part\" \"$out\"\n",
                  true);
    }

    const QString& path() const { return m_path; }
    bool ran() const { return QFile::exists(m_path + QStringLiteral(".args")); }
    QStringList arguments() const {
        QFile record(m_path + QStringLiteral(".args"));
        return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                                : QStringList();
    }

private:
    QString m_path;
};
