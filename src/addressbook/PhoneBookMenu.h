#pragma once

#include <QObject>

class QAction;
class QWidget;

// The right-click menu of the phone-book frame: the book read from and written to vCard and
// CSV files, and the whole TEL.mdb backed up and restored. Each step asks and tells in message
// windows owned by the frame's window; nothing is changed without the user's answer.
class PhoneBookMenu : public QObject {
    Q_OBJECT
public:
    explicit PhoneBookMenu(QWidget* frame);

    QAction* Mnu_ImportVCard;
    QAction* Mnu_ImportCsv;
    QAction* Mnu_ExportVCard;
    QAction* Mnu_ExportCsv;
    QAction* Mnu_Backup;
    QAction* Mnu_Restore;

private:
    QWidget* owner() const;

    QWidget* m_frame;
};
