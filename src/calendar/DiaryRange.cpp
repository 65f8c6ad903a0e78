#include "calendar/DiaryRange.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

DiaryRange::DiaryRange(QWidget* parent, QDate monthOnView) : QDialog(parent) {
    setObjectName(u"DiaryRange"_s);
    setWindowTitle(u"日記を書き出す"_s);

    Opt_All = new QRadioButton(u"すべての日記"_s, this);
    Opt_Range = new QRadioButton(u"期間を指定"_s, this);
    const auto dateBox = [this](const QString& name, QDate date) {
        auto* box = new QDateEdit(date, this);
        box->setObjectName(name);
        box->setDisplayFormat(u"yyyy/MM/dd"_s);
        box->setCalendarPopup(true);
        box->setEnabled(false);
        connect(Opt_Range, &QRadioButton::toggled, box, &QWidget::setEnabled);
        return box;
    };
    const QDate first(monthOnView.year(), monthOnView.month(), 1);
    Dte_From = dateBox(u"Dte_From"_s, first);
    Dte_To = dateBox(u"Dte_To"_s, first.addMonths(1).addDays(-1));
    Opt_All->setObjectName(u"Opt_All"_s);
    Opt_Range->setObjectName(u"Opt_Range"_s);
    Opt_All->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    Cmd_OK = buttons->addButton(u"書き出す"_s, QDialogButtonBox::AcceptRole);
    Cmd_Cancel = buttons->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
    Cmd_OK->setObjectName(u"Cmd_OK"_s);
    Cmd_Cancel->setObjectName(u"Cmd_Cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Opt_All, 0, 0, 1, 4);
    grid->addWidget(Opt_Range, 1, 0);
    grid->addWidget(Dte_From, 1, 1);
    grid->addWidget(new QLabel(u"～"_s, this), 1, 2);
    grid->addWidget(Dte_To, 1, 3);
    grid->addWidget(buttons, 2, 0, 1, 4);
    setFixedSize(sizeHint());
}

QDate DiaryRange::from() const {
    return Opt_Range->isChecked() ? std::min(Dte_From->date(), Dte_To->date()) : QDate();
}

QDate DiaryRange::to() const {
    return Opt_Range->isChecked() ? std::max(Dte_From->date(), Dte_To->date()) : QDate();
}
