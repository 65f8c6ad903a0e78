#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>

// One phone-book record as it travels in and out of the program: every column of
// Mst_Address as text, in the table's order.
namespace addressbook {

enum class Column {
    Name_1,
    Furigana,
    Name_2,
    Sex_cd,
    Birth,
    Yubin,
    Zyusyo,
    Tel_1,
    Fax_1,
    PB,
    Handy_1,
    Handy_2,
    K_Name,
    K_Yubin,
    K_Address,
    K_Tel,
    K_fax,
    Email,
    K_Email,
    HP_Address,
    Bikou
};
constexpr std::size_t columnCount = 21;

// The column's name in the table.
QString columnName(Column column);
// The column as the entry window labels it ("フリガナ", "名前", …).
QString columnLabel(Column column);

// Texts as stored; empty for Null. The sex is its code ("1") or, when it comes from outside,
// whatever names it there (a sex name of Mst_Sex, for instance); empty when there is none.
struct AddressEntry {
    std::array<QString, columnCount> values;

    QString& operator[](Column column) { return values[static_cast<std::size_t>(column)]; }
    const QString& operator[](Column column) const { return values[static_cast<std::size_t>(column)]; }
    friend bool operator==(const AddressEntry&, const AddressEntry&) = default;
};

// A record read from a file, with the line it starts on and what the file held for it that
// has no column to go to.
struct IncomingEntry {
    AddressEntry entry;
    int line = 0;
    QStringList leftOut;
};

} // namespace addressbook
