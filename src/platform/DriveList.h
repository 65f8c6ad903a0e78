#pragma once

#include <QComboBox>
#include <QStringList>

namespace platform {

// A drive list: the drives of this desktop, each named by its root folder. On Windows these
// are the drive letters; elsewhere the mounted volumes that hold the user's files.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // The root folder of the chosen drive; empty text when the list is empty.
    QString drive() const;
    // Chooses the listed drive with this root folder; false when none is listed.
    bool setDrive(const QString& root);
    // The root folder of the drive that holds an existing path.
    static QString driveOf(const QString& path);

    // Lists other drives, labelled by their root folders, and shows the first without a change
    // (the desktop's drives are listed at start).
    void setDrives(const QStringList& roots);

private:
    void addDrive(const QString& root, const QString& label);
};

} // namespace platform
