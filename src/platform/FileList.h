#pragma once

#include <QListWidget>

class QFileInfo;

namespace platform {

// A file list: the files of one folder whose names match a pattern, sorted by name. Hidden
// files are left out. The pattern "*.*" lists every file; "*.exe" lists the programs, which
// on platforms without ".exe" are the files that may be executed. Path and pattern take
// effect at the next refresh.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }
    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern) { m_pattern = pattern; }
    void refresh();

    // The selected file's name; empty text when none is selected.
    QString fileName() const;

private:
    bool matches(const QFileInfo& file) const;

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

} // namespace platform
