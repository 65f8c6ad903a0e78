#pragma once

#include "addressbook/AddressEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Phone-book records as vCards: written as vCard 3.0 (RFC 2426), in UTF-8, lines folded after
// 75 octets and ending in CR LF; read from 2.1, 3.0 and 4.0 (RFC 6350).
//
// column              written                               read, besides what is written
// ------------------  ------------------------------------  ---------------------------------------
// Name_1              FN; N with the name as family name    N's prefix, family and given names,
//                                                           additional names and suffix joined by
//                                                           blanks, when FN is missing or empty
// Furigana            SORT-STRING; X-PHONETIC-LAST-NAME     the first of: SORT-STRING; N's SORT-AS
//                                                           (4.0); X-PHONETIC-LAST-NAME, -FIRST-NAME
//                                                           and -MIDDLE-NAME; SOUND;X-IRMC-N (2.1);
//                                                           parts joined by blanks
// Name_2              NICKNAME
// Sex_cd              X-GENDER: 1 Male, 2 Female, any       GENDER too; M and F as Male and Female;
//                     other code as itself                  U and N (unknown, none) as no sex
// Birth               BDAY yyyy-mm-dd when it is a date;    BDAY yyyy-mm-dd or yyyymmdd, a time after
//                     X-TAMORU-BIRTH with the stored text   it left out, as "yyyy/m/d"; X-TAMORU-BIRTH
//                     when that differs from "yyyy/m/d"     before BDAY
// Yubin, Zyusyo       ADR;TYPE=home ;;<Zyusyo>;;;<Yubin>;   ADR of type home or of no type: the postal
//                                                           code, and country, region, locality,
//                                                           street, extended address, PO box joined
//                                                           by blanks
// Tel_1               TEL;TYPE=home,voice                   TEL of none of the types below
// Fax_1               TEL;TYPE=home,fax                     TEL fax, not work
// PB                  TEL;TYPE=pager
// Handy_1             TEL;TYPE=cell                         the first TEL cell without x-phs
// Handy_2             TEL;TYPE=cell,x-phs                   the second TEL cell
// K_Name              ORG                                   components joined by blanks
// K_Yubin, K_Address  ADR;TYPE=work ;;<K_Address>;;;<K_Yubin>;
// K_Tel               TEL;TYPE=work,voice                   TEL work, neither fax, cell nor pager
// K_fax               TEL;TYPE=work,fax
// Email               EMAIL;TYPE=internet,home              EMAIL not work
// K_Email             EMAIL;TYPE=internet,work
// HP_Address          URL, escaped as text
// Bikou               NOTE
//
// Priority among TEL types: pager, then fax, then cell, then work. A "tel:" before a number
// (4.0) is left out. An empty column writes nothing; a column that no property fills reads as
// empty text and the sex as none. Text is escaped (backslash, comma, semicolon, line break as
// "\n"); every line break, escaped or not, reads back as CR LF, as the entry window stores it,
// so a lone CR or LF comes back as CR LF. A property whose column is already filled, and any
// property with no column, is listed as left out with its entry; VERSION, PRODID, REV, UID,
// KIND, N and the readings that lost to another are not.
namespace addressbook {

QByteArray writeVCards(const std::vector<AddressEntry>& entries);

// Throws core::FileError (see vcard::readCards) when the file cannot be read.
std::vector<IncomingEntry> readVCards(QByteArrayView data);

} // namespace addressbook
