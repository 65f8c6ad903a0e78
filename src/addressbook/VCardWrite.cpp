// Records as vCard 3.0; the mapping is in VCard.h.
#include "addressbook/EraDate.h"
#include "addressbook/VCard.h"
#include "addressbook/VCardLines.h"

using namespace Qt::StringLiterals;

namespace addressbook {

namespace {

// Text columns, each written on a line of its own when it is not empty, in these groups.
struct TextLine {
    const char16_t* head;
    Column column;
};

constexpr TextLine nameLines[]{
    {u"SORT-STRING", Column::Furigana},
    {u"X-PHONETIC-LAST-NAME", Column::Furigana},
    {u"NICKNAME", Column::Name_2},
};
constexpr TextLine homeLines[]{
    {u"TEL;TYPE=home,voice", Column::Tel_1}, {u"TEL;TYPE=home,fax", Column::Fax_1},     {u"TEL;TYPE=pager", Column::PB},
    {u"TEL;TYPE=cell", Column::Handy_1},     {u"TEL;TYPE=cell,x-phs", Column::Handy_2}, {u"ORG", Column::K_Name},
};
constexpr TextLine workLines[]{
    {u"TEL;TYPE=work,voice", Column::K_Tel},
    {u"TEL;TYPE=work,fax", Column::K_fax},
    {u"EMAIL;TYPE=internet,home", Column::Email},
    {u"EMAIL;TYPE=internet,work", Column::K_Email},
    {u"URL", Column::HP_Address},
    {u"NOTE", Column::Bikou},
};

class CardWriter {
public:
    CardWriter(QByteArray& out, const AddressEntry& entry) : m_out(out), m_entry(entry) {}

    void write() {
        line(u"BEGIN:VCARD"_s);
        line(u"VERSION:3.0"_s);
        const QString name = vcard::escaped(m_entry[Column::Name_1]);
        line(u"FN:"_s + name);
        line(u"N:"_s + name + u";;;;"_s);
        texts(nameLines);
        gender();
        birth();
        address(u"home"_s, Column::Yubin, Column::Zyusyo);
        texts(homeLines);
        address(u"work"_s, Column::K_Yubin, Column::K_Address);
        texts(workLines);
        line(u"END:VCARD"_s);
    }

private:
    void line(const QString& text) { m_out.append(vcard::contentLine(text)); }

    template <std::size_t N> void texts(const TextLine (&lines)[N]) {
        for (const TextLine& text : lines) {
            if (!m_entry[text.column].isEmpty())
                line(QString::fromUtf16(text.head) + u':' + vcard::escaped(m_entry[text.column]));
        }
    }

    void gender() {
        const QString& code = m_entry[Column::Sex_cd];
        if (!code.isEmpty())
            line(u"X-GENDER:"_s + (code == u"1"_s ? u"Male"_s : code == u"2"_s ? u"Female"_s : vcard::escaped(code)));
    }

    void birth() {
        const QString& stored = m_entry[Column::Birth];
        const std::optional<QDate> date = storedBirthDate(stored);
        if (date)
            line(u"BDAY:"_s + date->toString(u"yyyy-MM-dd"_s));
        if (!stored.isEmpty() && (!date || storedBirthText(*date) != stored))
            line(u"X-TAMORU-BIRTH:"_s + vcard::escaped(stored));
    }

    void address(const QString& type, Column postalCode, Column street) {
        if (!m_entry[postalCode].isEmpty() || !m_entry[street].isEmpty())
            line(u"ADR;TYPE="_s + type + u":;;"_s + vcard::escaped(m_entry[street]) + u";;;"_s +
                 vcard::escaped(m_entry[postalCode]) + u';');
    }

    QByteArray& m_out;
    const AddressEntry& m_entry;
};

} // namespace

QByteArray writeVCards(const std::vector<AddressEntry>& entries) {
    QByteArray out;
    for (const AddressEntry& entry : entries)
        CardWriter(out, entry).write();
    return out;
}

} // namespace addressbook
