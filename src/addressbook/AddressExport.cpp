#include "addressbook/AddressExport.h"

#include "addressbook/AddressRecord.h"
#include "addressbook/CsvFile.h"
#include "addressbook/VCard.h"
#include "core/Mod1.h"

using namespace Qt::StringLiterals;

namespace addressbook {

std::vector<AddressEntry> storedEntries() {
    Mod1::Sql = u"select * from Mst_Address order by Furigana , Name_1"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql, platform::Database::Dynaset);
    std::array<qsizetype, columnCount> places{};
    for (std::size_t i = 0; i < columnCount; ++i)
        places[i] = Mod1::Rs->columnOf(columnName(Column(i)));
    std::vector<AddressEntry> entries(static_cast<std::size_t>(Mod1::Rs->rowCount()));
    for (std::size_t row = 0; row < entries.size(); ++row) {
        for (std::size_t i = 0; i < columnCount; ++i)
            entries[row].values[i] = Mod1::Rs->value(qsizetype(row), places[i]).toString();
    }
    return entries;
}

Exported exportAddresses(AddressFormat format) {
    const std::vector<AddressEntry> entries = storedEntries();
    const qsizetype count = qsizetype(entries.size());
    if (format == AddressFormat::VCard)
        return {writeVCards(entries), count};
    return {writeCsv(entries, sexNames(), format == AddressFormat::Csv ? CsvEncoding::Utf8 : CsvEncoding::Cp932),
            count};
}

} // namespace addressbook
