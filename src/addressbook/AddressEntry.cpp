#include "addressbook/AddressEntry.h"

using namespace Qt::StringLiterals;

namespace addressbook {

namespace {

struct ColumnNames {
    const char16_t* name;
    const char16_t* label;
};

constexpr std::array<ColumnNames, columnCount> names{{
    {u"Name_1", u"名前"},      {u"Furigana", u"フリガナ"},    {u"Name_2", u"ニックネーム"}, {u"Sex_cd", u"性別"},
    {u"Birth", u"誕生日"},     {u"Yubin", u"郵便番号"},       {u"Zyusyo", u"住所"},         {u"Tel_1", u"電話番号"},
    {u"Fax_1", u"ＦＡＸ"},     {u"PB", u"ポケットベル"},      {u"Handy_1", u"携帯"},        {u"Handy_2", u"ＰＨＳ"},
    {u"K_Name", u"会社名"},    {u"K_Yubin", u"会社郵便番号"}, {u"K_Address", u"会社住所"},  {u"K_Tel", u"会社電話番号"},
    {u"K_fax", u"会社ＦＡＸ"}, {u"Email", u"E_Mail"},         {u"K_Email", u"会社 E_Mail"}, {u"HP_Address", u"ＨＰ"},
    {u"Bikou", u"備考"},
}};

} // namespace

QString columnName(Column column) {
    return QString::fromUtf16(names[static_cast<std::size_t>(column)].name);
}

QString columnLabel(Column column) {
    return QString::fromUtf16(names[static_cast<std::size_t>(column)].label);
}

} // namespace addressbook
