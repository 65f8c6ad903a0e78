// Birth dates between the stored western form and the era, year, month and day boxes.
#include "Drive.h"
#include "addressbook/EraDate.h"

namespace {

// "shown" from the stored date, "entered" from the boxes (era/year/month/day), or both ways.
const struct EraCase {
    const char* tag;
    QString way, stored, boxes;
} eraCases[] = {{"first day of 大正", u"both"_s, u"1912/07/30"_s, u"大正/01/07/30"_s},
                {"last day of 昭和", u"both"_s, u"1989/01/07"_s, u"昭和/64/01/07"_s},
                {"first day of 平成", u"both"_s, u"1989/01/08"_s, u"平成/01/01/08"_s},
                {"leap day", u"both"_s, u"1996/02/29"_s, u"平成/08/02/29"_s},
                {"first day of 令和", u"both"_s, u"2019/05/01"_s, u"令和/01/05/01"_s},
                {"one-digit month and day", u"shown"_s, u"1996/1/5"_s, u"平成/08/01/05"_s},
                {"empty", u"shown"_s, {}, u"///"_s},
                {"no such day", u"shown"_s, u"1995/2/29"_s, u"///"_s},
                {"not a date", u"shown"_s, u"昭和40年"_s, u"///"_s},
                {"as typed", u"entered"_s, u"1996/1/5"_s, u"平成/8/1/5"_s},
                {"昭和 past its end", u"entered"_s, u"1995/1/5"_s, u"昭和/70/1/5"_s},
                {"30 February", u"entered"_s, {}, u"平成/8/2/30"_s},
                {"empty year box", u"entered"_s, {}, u"平成//1/5"_s},
                {"year box not a number", u"entered"_s, {}, u"平成/八/1/5"_s},
                {"year zero", u"entered"_s, {}, u"平成/0/1/5"_s},
                {"year beyond 16 bits", u"entered"_s, {}, u"平成/40000/1/5"_s},
                {"unknown era", u"entered"_s, {}, u"西暦/8/1/5"_s},
                {"digits for an era", u"entered"_s, {}, u"1/8/1/5"_s}};

} // namespace

class EraDateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eraDates_data() { addCases(eraCases); }
    void eraDates() {
        const EraCase& c = currentCase(eraCases);
        if (c.way != u"entered"_s) {
            QStringList shown;
            for (qint16 part = 0; part < 4; ++part)
                shown.append(addressbook::BirthPart(c.stored, part));
            QCOMPARE(shown.join(u'/'), c.boxes);
        }
        if (c.way != u"shown"_s) {
            const QStringList box = c.boxes.split(u'/');
            QCOMPARE(addressbook::composeBirthDate(box[0], box[1], box[2], box[3]), c.stored);
        }
    }
};

QTEST_GUILESS_MAIN(EraDateTest)
#include "test_eradate.moc"
