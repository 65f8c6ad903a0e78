// vCards 2.1, 3.0 and 4.0 as records; the mapping is in VCard.h.
#include "addressbook/EraDate.h"
#include "addressbook/VCard.h"
#include "addressbook/VCardLines.h"

using namespace Qt::StringLiterals;
using addressbook::vcard::Property;

namespace addressbook {

namespace {

// Properties that say nothing about the record.
const QStringList unlisted{u"VERSION"_s, u"PRODID"_s, u"REV"_s, u"UID"_s, u"KIND"_s};

const QStringList phoneticNames{u"X-PHONETIC-LAST-NAME"_s, u"X-PHONETIC-FIRST-NAME"_s, u"X-PHONETIC-MIDDLE-NAME"_s};

QString joined(const QStringList& parts) {
    QStringList kept = parts;
    kept.removeAll(QString());
    return kept.join(u' ');
}

QString sexCode(const QString& gender) {
    const QString word = gender.trimmed().toLower();
    if (word == u"m"_s || word == u"male"_s)
        return u"1"_s;
    if (word == u"f"_s || word == u"female"_s)
        return u"2"_s;
    if (word == u"u"_s || word == u"n"_s)
        return {};
    return gender;
}

// "yyyy/m/d" from a date with or without a time; other text as it is, for the check to refuse.
QString birthText(const QString& bday) {
    const QString day = bday.section(u'T', 0, 0);
    for (const QString& format : {u"yyyy-MM-dd"_s, u"yyyyMMdd"_s}) {
        const QDate date = QDate::fromString(day, format);
        if (date.isValid())
            return storedBirthText(date);
    }
    return bday;
}

QList<Column> telephoneColumns(const Property& p) {
    if (p.hasType(u"pager"))
        return {Column::PB};
    if (p.hasType(u"fax"))
        return {p.hasType(u"work") ? Column::K_fax : Column::Fax_1};
    if (p.hasType(u"cell"))
        return p.hasType(u"x-phs") ? QList<Column>{Column::Handy_2} : QList<Column>{Column::Handy_1, Column::Handy_2};
    if (p.hasType(u"work"))
        return {Column::K_Tel};
    return {Column::Tel_1};
}

class CardReader {
public:
    explicit CardReader(const vcard::Card& card) : m_card(card) { m_in.line = card.line; }

    IncomingEntry read() {
        for (const Property& p : m_card.properties)
            take(p);
        AddressEntry& entry = m_in.entry;
        if (entry[Column::Name_1].isEmpty())
            entry[Column::Name_1] = joined(m_name);
        m_readings[Phonetic] =
            joined({m_phonetic.value(u"X-PHONETIC-LAST-NAME"_s), m_phonetic.value(u"X-PHONETIC-FIRST-NAME"_s),
                    m_phonetic.value(u"X-PHONETIC-MIDDLE-NAME"_s)});
        for (const QString& reading : m_readings) {
            if (!reading.isEmpty()) {
                entry[Column::Furigana] = reading;
                break;
            }
        }
        if (m_storedBirth)
            entry[Column::Birth] = *m_storedBirth;
        return m_in;
    }

private:
    enum Reading { SortString, SortAs, Phonetic, Irmc };

    QString text(const Property& p) const { return vcard::text(p.value, m_card.version); }
    QStringList components(const Property& p) const { return vcard::components(p.value, m_card.version); }

    void take(const Property& p) {
        const QString& name = p.name;
        if (name == u"FN"_s) {
            fill(p, {Column::Name_1}, text(p));
        } else if (name == u"N"_s) {
            const QStringList parts = components(p) + QStringList(5, QString());
            m_name = {parts[3], parts[0], parts[1], parts[2], parts[4]};
            readingOnce(SortAs, joined(p.parameter(u"SORT-AS")));
        } else if (name == u"SORT-STRING"_s) {
            readingOnce(SortString, text(p));
        } else if (phoneticNames.contains(name)) {
            if (!m_phonetic.contains(name))
                m_phonetic.insert(name, text(p));
        } else if (name == u"SOUND"_s && p.hasType(u"x-irmc-n")) {
            readingOnce(Irmc, joined(components(p)));
        } else if (name == u"NICKNAME"_s) {
            fill(p, {Column::Name_2}, text(p));
        } else if (name == u"X-GENDER"_s || name == u"GENDER"_s) {
            fill(p, {Column::Sex_cd}, sexCode(components(p).front()));
        } else if (name == u"BDAY"_s) {
            fill(p, {Column::Birth}, birthText(text(p)));
        } else if (name == u"X-TAMORU-BIRTH"_s) {
            if (!m_storedBirth)
                m_storedBirth = text(p);
        } else if (name == u"ADR"_s) {
            address(p);
        } else if (name == u"TEL"_s) {
            QString number = text(p);
            if (number.startsWith(u"tel:"_s, Qt::CaseInsensitive))
                number.remove(0, 4);
            fill(p, telephoneColumns(p), number);
        } else if (name == u"ORG"_s) {
            fill(p, {Column::K_Name}, joined(components(p)));
        } else if (name == u"EMAIL"_s) {
            fill(p, {p.hasType(u"work") ? Column::K_Email : Column::Email}, text(p));
        } else if (name == u"URL"_s) {
            fill(p, {Column::HP_Address}, text(p));
        } else if (name == u"NOTE"_s) {
            fill(p, {Column::Bikou}, text(p));
        } else if (!unlisted.contains(name) && !p.value.isEmpty()) {
            m_in.leftOut.append(name);
        }
    }

    // Into the first of the columns that is still empty; an empty value fills nothing.
    void fill(const Property& p, const QList<Column>& columns, const QString& value) {
        if (value.isEmpty())
            return;
        for (Column column : columns) {
            if (m_in.entry[column].isEmpty()) {
                m_in.entry[column] = value;
                return;
            }
        }
        m_in.leftOut.append(p.name);
    }

    void readingOnce(Reading kind, const QString& reading) {
        if (m_readings[kind].isEmpty())
            m_readings[kind] = reading;
    }

    void address(const Property& p) {
        const bool work = p.hasType(u"work");
        bool& taken = work ? m_workAddress : m_homeAddress;
        const QStringList parts = components(p) + QStringList(7, QString());
        const QString street = joined({parts[6], parts[4], parts[3], parts[2], parts[1], parts[0]});
        if (street.isEmpty() && parts[5].isEmpty())
            return;
        if (taken) {
            m_in.leftOut.append(p.name);
            return;
        }
        taken = true;
        m_in.entry[work ? Column::K_Yubin : Column::Yubin] = parts[5];
        m_in.entry[work ? Column::K_Address : Column::Zyusyo] = street;
    }

    const vcard::Card& m_card;
    IncomingEntry m_in;
    QStringList m_name;
    std::array<QString, 4> m_readings;
    QHash<QString, QString> m_phonetic;
    std::optional<QString> m_storedBirth;
    bool m_homeAddress = false;
    bool m_workAddress = false;
};

} // namespace

std::vector<IncomingEntry> readVCards(QByteArrayView data) {
    std::vector<IncomingEntry> entries;
    for (const vcard::Card& card : vcard::readCards(data))
        entries.push_back(CardReader(card).read());
    return entries;
}

} // namespace addressbook
