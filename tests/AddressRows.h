// Address rows put into a test's TEL.mdb behind the program's back, and the ways a person
// reaches the phone-book windows' lists.
#pragma once

#include "Fixture.h"
#include "platform/SqlText.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QVariant>

// The text columns of Mst_Address after the name.
inline const QStringList textColumns{
    QStringLiteral("Furigana"),   QStringLiteral("Name_2"), QStringLiteral("Yubin"),   QStringLiteral("Zyusyo"),
    QStringLiteral("Tel_1"),      QStringLiteral("Fax_1"),  QStringLiteral("PB"),      QStringLiteral("Handy_1"),
    QStringLiteral("Handy_2"),    QStringLiteral("K_Name"), QStringLiteral("K_Yubin"), QStringLiteral("K_Address"),
    QStringLiteral("K_Tel"),      QStringLiteral("K_fax"),  QStringLiteral("Email"),   QStringLiteral("K_Email"),
    QStringLiteral("HP_Address"), QStringLiteral("Bikou")};

// Adds one Mst_Address row: a null QVariant is Null, a number goes in as a number, the rest
// as text. Columns left out are Null.
inline void addAddress(ProgramFolder& folder, const QList<std::pair<QString, QVariant>>& columns) {
    QStringList names;
    QStringList values;
    for (const auto& [name, value] : columns) {
        names.append(name);
        if (value.isNull())
            values.append(QStringLiteral("NULL"));
        else if (value.typeId() == QMetaType::Int)
            values.append(QString::number(value.toInt()));
        else
            values.append(u'\'' + platform::sqlText(value.toString()) + u'\'');
    }
    folder.execute(QStringLiteral("INSERT INTO Mst_Address(%1) VALUES(%2)").arg(names.join(u','), values.join(u',')));
}

// A record with every column filled: each text is the column's name, "/" and the record's
// name, the address with a second line.
inline QString fullValue(const QString& column, const QString& name) {
    return column + u'/' + name + (column == QStringLiteral("Zyusyo") ? QStringLiteral("\r\n2行目") : QString());
}

inline void addFullAddress(ProgramFolder& folder, const QString& name, const QString& reading, int sex,
                           const QString& birth) {
    QList<std::pair<QString, QVariant>> columns{
        {QStringLiteral("Name_1"), name}, {QStringLiteral("Sex_cd"), sex}, {QStringLiteral("Birth"), birth}};
    for (const QString& column : textColumns)
        columns.append({column, column == QStringLiteral("Furigana") ? reading : fullValue(column, name)});
    addAddress(folder, columns);
}

inline QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// Clicks the entry of a list that shows this text.
inline void clickEntry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// The names of the controls the Tab key visits, from `start` on; an editable combo box counts
// as itself, not as its line edit.
inline QStringList tabWalk(QWidget* window, QWidget* start, int presses) {
    start->setFocus();
    QStringList visited{start->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QWidget* focus = window->focusWidget();
        visited.append(qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget()->objectName()
                                                                       : focus->objectName());
    }
    return visited;
}
