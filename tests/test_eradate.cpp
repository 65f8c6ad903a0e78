// Birth dates between the stored western form and the era, year, month and day boxes.
#include "addressbook/EraDate.h"

#include <QTest>

using namespace Qt::StringLiterals;

class EraDateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eraDates_data();
    void eraDates();
};

void EraDateTest::eraDates_data() {
    QTest::addColumn<QString>("way"); // "shown" from the stored date, "entered" from the boxes, or "both"
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("boxes"); // era/year/month/day
    const auto row = [](const char* what, const char* way, const QString& stored, const QString& boxes) {
        QTest::newRow(what) << QString::fromLatin1(way) << stored << boxes;
    };
    row("before 大正", "both", u"1900/10/02"_s, u"明治/33/10/02"_s);
    row("last day of 明治", "both", u"1912/07/29"_s, u"明治/45/07/29"_s);
    row("first day of 大正", "both", u"1912/07/30"_s, u"大正/01/07/30"_s);
    row("last day of 大正", "both", u"1926/12/24"_s, u"大正/15/12/24"_s);
    row("first day of 昭和", "both", u"1926/12/25"_s, u"昭和/01/12/25"_s);
    row("last day of 昭和", "both", u"1989/01/07"_s, u"昭和/64/01/07"_s);
    row("first day of 平成", "both", u"1989/01/08"_s, u"平成/01/01/08"_s);
    row("leap day", "both", u"1996/02/29"_s, u"平成/08/02/29"_s);
    row("last day of 平成", "both", u"2019/04/30"_s, u"平成/31/04/30"_s);
    row("first day of 令和", "both", u"2019/05/01"_s, u"令和/01/05/01"_s);
    row("one-digit month and day", "shown", u"1996/1/5"_s, u"平成/08/01/05"_s);
    row("empty", "shown", QString(), u"///"_s);
    row("no such day", "shown", u"1995/2/29"_s, u"///"_s);
    row("not a date", "shown", u"昭和40年"_s, u"///"_s);
    row("as typed", "entered", u"1996/1/5"_s, u"平成/8/1/5"_s);
    row("昭和 1, before its first day", "entered", u"1926/1/5"_s, u"昭和/1/1/5"_s);
    row("平成 1, before its first day", "entered", u"1989/1/5"_s, u"平成/1/1/5"_s);
    row("昭和 past its end", "entered", u"1995/1/5"_s, u"昭和/70/1/5"_s);
    row("30 February", "entered", QString(), u"平成/8/2/30"_s);
    row("no leap day in 1995", "entered", QString(), u"平成/7/2/29"_s);
    row("empty year box", "entered", QString(), u"平成//1/5"_s);
    row("year box not a number", "entered", QString(), u"平成/八/1/5"_s);
    row("year zero", "entered", QString(), u"平成/0/1/5"_s);
    row("year beyond four digits", "entered", QString(), u"平成/32767/1/5"_s);
    row("year beyond 16 bits", "entered", QString(), u"平成/40000/1/5"_s);
    row("unknown era", "entered", QString(), u"西暦/8/1/5"_s);
    row("digits for an era", "entered", QString(), u"1/8/1/5"_s);
}

void EraDateTest::eraDates() {
    QFETCH(QString, way);
    QFETCH(QString, stored);
    QFETCH(QString, boxes);
    if (way != u"entered"_s) {
        QStringList shown;
        for (qint16 part = 0; part < 4; ++part)
            shown.append(addressbook::BirthPart(stored, part));
        QCOMPARE(shown.join(u'/'), boxes);
    }
    if (way != u"shown"_s) {
        const QStringList box = boxes.split(u'/');
        QCOMPARE(addressbook::composeBirthDate(box[0], box[1], box[2], box[3]), stored);
    }
}

QTEST_GUILESS_MAIN(EraDateTest)
#include "test_eradate.moc"
