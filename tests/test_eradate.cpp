// Birth dates between the stored western form and the era calendar.
#include "addressbook/EraDate.h"

#include <QTest>

using namespace Qt::StringLiterals;

class EraDateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void birthParts_data();
    void birthParts();
    void westernYear_data();
    void westernYear();
    void composition_data();
    void composition();
    void storedDateReadsBackAsEntered();
};

void EraDateTest::birthParts_data() {
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QStringList>("parts");
    const auto row = [](const char* name, const QString& birth, const QStringList& parts) {
        QTest::newRow(name) << birth << parts;
    };
    row("last day of 明治", u"1912/7/29"_s, {u"明治"_s, u"45"_s, u"07"_s, u"29"_s});
    row("first day of 大正", u"1912/7/30"_s, {u"大正"_s, u"01"_s, u"07"_s, u"30"_s});
    row("大正 9", u"1920/3/3"_s, {u"大正"_s, u"09"_s, u"03"_s, u"03"_s});
    row("last day of 大正", u"1926/12/24"_s, {u"大正"_s, u"15"_s, u"12"_s, u"24"_s});
    row("first day of 昭和", u"1926/12/25"_s, {u"昭和"_s, u"01"_s, u"12"_s, u"25"_s});
    row("last day of 昭和", u"1989/1/7"_s, {u"昭和"_s, u"64"_s, u"01"_s, u"07"_s});
    row("first day of 平成", u"1989/1/8"_s, {u"平成"_s, u"01"_s, u"01"_s, u"08"_s});
    row("one-digit month and day", u"1996/1/5"_s, {u"平成"_s, u"08"_s, u"01"_s, u"05"_s});
    row("zeros as typed", u"1996/01/05"_s, {u"平成"_s, u"08"_s, u"01"_s, u"05"_s});
    row("leap day", u"1996/2/29"_s, {u"平成"_s, u"08"_s, u"02"_s, u"29"_s});
    row("last day of 平成", u"2019/4/30"_s, {u"平成"_s, u"31"_s, u"04"_s, u"30"_s});
    row("first day of 令和", u"2019/5/1"_s, {u"令和"_s, u"01"_s, u"05"_s, u"01"_s});
    row("before 大正", u"1900/10/2"_s, {u"明治"_s, u"33"_s, u"10"_s, u"02"_s});
    const QStringList none{QString(), QString(), QString(), QString()};
    row("empty", QString(), none);
    row("no such day", u"1995/2/29"_s, none);
    row("not a date", u"昭和40年"_s, none);
}

void EraDateTest::birthParts() {
    QFETCH(QString, birth);
    QFETCH(QStringList, parts);
    for (qint16 part = 0; part < 4; ++part)
        QCOMPARE(Mod1::BirthPart(birth, part), parts[part]);
}

void EraDateTest::westernYear_data() {
    QTest::addColumn<QString>("era");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("western");
    QTest::newRow("平成 8") << u"平成"_s << 8 << u"1996"_s;
    QTest::newRow("昭和 64") << u"昭和"_s << 64 << u"1989"_s;
    QTest::newRow("昭和 1, before its first day") << u"昭和"_s << 1 << u"1926"_s;
    QTest::newRow("平成 1, before its first day") << u"平成"_s << 1 << u"1989"_s;
    QTest::newRow("大正 1") << u"大正"_s << 1 << u"1912"_s;
    QTest::newRow("令和 1") << u"令和"_s << 1 << u"2019"_s;
    QTest::newRow("昭和 past its end") << u"昭和"_s << 70 << u"1995"_s;
    QTest::newRow("unknown era") << u"西暦"_s << 8 << QString();
    QTest::newRow("no era") << QString() << 8 << QString();
    QTest::newRow("digits for an era") << u"1"_s << 8 << QString();
    QTest::newRow("beyond four digits") << u"平成"_s << 32767 << QString();
}

void EraDateTest::westernYear() {
    QFETCH(QString, era);
    QFETCH(int, year);
    QFETCH(QString, western);
    QCOMPARE(Mod1::NengouToYear(era, qint16(year)), western);
}

void EraDateTest::composition_data() {
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << u"平成"_s << u"8"_s << u"1"_s << u"5"_s << u"1996/1/5"_s;
    QTest::newRow("zeros kept") << u"平成"_s << u"8"_s << u"01"_s << u"05"_s << u"1996/01/05"_s;
    QTest::newRow("leap day") << u"平成"_s << u"8"_s << u"2"_s << u"29"_s << u"1996/2/29"_s;
    QTest::newRow("30 February") << u"平成"_s << u"8"_s << u"2"_s << u"30"_s << QString();
    QTest::newRow("no leap day in 1995") << u"平成"_s << u"7"_s << u"2"_s << u"29"_s << QString();
    QTest::newRow("month 13") << u"昭和"_s << u"40"_s << u"13"_s << u"1"_s << QString();
    QTest::newRow("empty year box") << u"平成"_s << QString() << u"1"_s << u"5"_s << QString();
    QTest::newRow("year box not a number") << u"平成"_s << u"八"_s << u"1"_s << u"5"_s << QString();
    QTest::newRow("year box a fraction") << u"平成"_s << u"8.5"_s << u"1"_s << u"5"_s << QString();
    QTest::newRow("year zero") << u"平成"_s << u"0"_s << u"1"_s << u"5"_s << QString();
    QTest::newRow("year beyond 16 bits") << u"平成"_s << u"40000"_s << u"1"_s << u"5"_s << QString();
    QTest::newRow("empty month") << u"平成"_s << u"8"_s << QString() << u"5"_s << QString();
}

void EraDateTest::composition() {
    QFETCH(QString, era);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, stored);
    QCOMPARE(addressbook::composeBirthDate(era, year, month, day), stored);
}

// What is shown of a stored date, entered again, gives the same date.
void EraDateTest::storedDateReadsBackAsEntered() {
    for (QDate d(1912, 7, 25); d <= QDate(2030, 1, 1); d = d.addDays(53)) {
        const QString stored = u"%1/%2/%3"_s.arg(d.year()).arg(d.month()).arg(d.day());
        const QString again = addressbook::composeBirthDate(Mod1::BirthPart(stored, 0), Mod1::BirthPart(stored, 1),
                                                            Mod1::BirthPart(stored, 2), Mod1::BirthPart(stored, 3));
        QCOMPARE(again, d.toString(u"yyyy/MM/dd"_s));
    }
}

QTEST_GUILESS_MAIN(EraDateTest)
#include "test_eradate.moc"
