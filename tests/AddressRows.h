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
#include <utility>

// Adds one Mst_Address row: a null QVariant is Null, a number goes in as a number, the rest
// as text. Columns left out are Null.
inline void addAddress(ProgramFolder& folder, std::initializer_list<std::pair<const char*, QVariant>> columns) {
    QStringList names;
    QStringList values;
    for (const auto& [name, value] : columns) {
        names.append(QString::fromLatin1(name));
        if (value.isNull())
            values.append(QStringLiteral("NULL"));
        else if (value.typeId() == QMetaType::Int)
            values.append(QString::number(value.toInt()));
        else
            values.append(u'\'' + platform::sqlText(value.toString()) + u'\'');
    }
    folder.execute(QStringLiteral("INSERT INTO Mst_Address(%1) VALUES(%2)").arg(names.join(u','), values.join(u',')));
}

// A record with every column filled, each value naming its column.
inline void addFullAddress(ProgramFolder& folder, const QString& name, const QString& reading, int sex,
                           const QString& birth) {
    addAddress(folder, {{"Name_1", name},
                        {"Furigana", reading},
                        {"Name_2", name + QStringLiteral("-nick")},
                        {"Sex_cd", sex},
                        {"Birth", birth},
                        {"Yubin", QStringLiteral("100-0001")},
                        {"Zyusyo", QStringLiteral("東京都\r\n千代田区")},
                        {"Tel_1", QStringLiteral("03-1111-1111")},
                        {"Fax_1", QStringLiteral("03-2222-2222")},
                        {"PB", QStringLiteral("030-333")},
                        {"Handy_1", QStringLiteral("090-4444")},
                        {"Handy_2", QStringLiteral("070-5555")},
                        {"K_Name", QStringLiteral("会社")},
                        {"K_Yubin", QStringLiteral("200-0002")},
                        {"K_Address", QStringLiteral("大阪府")},
                        {"K_Tel", QStringLiteral("06-6666")},
                        {"K_fax", QStringLiteral("06-7777")},
                        {"Email", QStringLiteral("me@example.jp")},
                        {"K_Email", QStringLiteral("work@example.jp")},
                        {"HP_Address", QStringLiteral("http://example.jp/")},
                        {"Bikou", QStringLiteral("備考")}});
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
