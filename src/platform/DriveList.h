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
    // Chooses the drive with this root folder, listing it first when it was left out; false
    // when there is no such folder.
    bool setDrive(const QString& root);
    // The root folder of the drive that holds an existing path.
    static QString driveOf(const QString& path);

private:
    void addDrive(const QString& root, const QString& label);
};

} // namespace platform
