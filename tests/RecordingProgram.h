#pragma once

// A small, harmless program for the tests that start programs: a shell script that writes
// the arguments it was given, one to a line, to a file beside itself.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

class RecordingProgram {
public:
    explicit RecordingProgram(const QString& path) : m_path(path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            qFatal("cannot write the test program");
        script.write("#!/bin/sh\n"
                     "out=\"$0.args\"\n"
                     ": > \"$out.part\"\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\n"
                     "mv \"$out.part\" \"$out\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }

    const QString& path() const { return m_path; }
    bool ran() const { return QFile::exists(record()); }
    QStringList arguments() const {
        QFile file(record());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void forget() const { QFile::remove(record()); }

private:
    QString record() const { return m_path + QStringLiteral(".args"); }

    QString m_path;
};
