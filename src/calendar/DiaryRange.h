#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;
class QRadioButton;

// Which diary entries to write out: all of them, or the days between two dates (both
// included). Opens with "all" chosen and the dates of the month on view.
class DiaryRange : public QDialog {
    Q_OBJECT
public:
    DiaryRange(QWidget* parent, QDate monthOnView);

    QRadioButton* Opt_All;
    QRadioButton* Opt_Range;
    QDateEdit* Dte_From;
    QDateEdit* Dte_To;
    QPushButton* Cmd_OK;
    QPushButton* Cmd_Cancel;

    // The first and last day asked for, the earlier first; both null for all.
    QDate from() const;
    QDate to() const;
};
