#include "addressbook/AddressFiles.h"

#include "addressbook/CsvFile.h"
#include "addressbook/VCard.h"
#include "core/WholeFile.h"

using namespace Qt::StringLiterals;

namespace addressbook {

std::vector<IncomingEntry> readAddressFile(const QString& path, AddressFormat format) {
    const QByteArray data = core::readWholeFile(path);
    return format == AddressFormat::VCard ? readVCards(data) : readCsv(data);
}

qsizetype exportAddressFile(const QString& path, AddressFormat format) {
    const Exported exported = exportAddresses(format);
    core::writeWholeFile(path, exported.data);
    return exported.count;
}

QString someNames(const QStringList& names, qsizetype listed) {
    QString text = names.mid(0, listed).join(u"、"_s);
    if (names.size() > listed)
        text += u" ほか %1 件"_s.arg(names.size() - listed);
    return text;
}

QString summaryText(const ImportSummary& summary, qsizetype listed) {
    QStringList lines{u"追加 %1 件　置き換え %2 件\r飛ばした %3 件　読み込めない %4 件"_s.arg(summary.added.size())
                          .arg(summary.replaced.size())
                          .arg(summary.skipped.size())
                          .arg(summary.refused.size())};
    const QList<RecordNote> notes = summary.refused + summary.leftOut;
    for (const RecordNote& note : notes.mid(0, listed))
        lines.append(u"%1 行目「%2」：%3"_s.arg(note.line).arg(note.name, note.text));
    if (notes.size() > listed)
        lines.append(u"ほか %1 件"_s.arg(notes.size() - listed));
    return lines.join(u'\r');
}

} // namespace addressbook
