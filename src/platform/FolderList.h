#pragma once

#include <QListWidget>

namespace platform {

// A folder list: the folders from the root down to the current one, then the folders inside
// it. Double-clicking a folder (or Enter on it) makes it the current one.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    // Makes a folder the current one; `changed` follows when it differs from the last.
    void setPath(const QString& path);

Q_SIGNALS:
    void changed();

private:
    void fill();

    QString m_path;
};

} // namespace platform
