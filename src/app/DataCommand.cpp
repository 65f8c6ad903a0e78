#include "app/DataCommand.h"

#include "addressbook/AddressFiles.h"
#include "core/DataFile.h"
#include "core/EngineGuard.h"
#include "core/FileError.h"
#include "core/Mod1.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;
using Action = DataCommand::Action;
using addressbook::AddressFormat;

namespace {

void say(QTextStream& stream, const QString& text) {
    stream << QString(text).replace(u'\r', u'\n') << Qt::endl;
}

QString place(const QString& file) {
    return u"場所："_s + QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
}

void carryOut(const DataCommand& command, QTextStream& out) {
    switch (command.action) {
    case Action::ExportVCard:
    case Action::ExportCsv: {
        const AddressFormat format = command.action == Action::ExportVCard ? AddressFormat::VCard
                                     : command.shiftJis                    ? AddressFormat::CsvShiftJis
                                                                           : AddressFormat::Csv;
        const qsizetype count = addressbook::exportAddressFile(command.file, format);
        say(out, u"%1 件のデータを書き出しました。\r"_s.arg(count) + place(command.file));
        break;
    }
    case Action::ImportVCard:
    case Action::ImportCsv: {
        const auto entries = addressbook::readAddressFile(
            command.file, command.action == Action::ImportVCard ? AddressFormat::VCard : AddressFormat::Csv);
        const auto summary = addressbook::importEntries(entries, command.replace ? addressbook::OnExisting::Replace
                                                                                 : addressbook::OnExisting::Skip);
        say(out, u"読み込みました。\r"_s + addressbook::summaryText(summary));
        break;
    }
    case Action::Backup:
        core::makeBackup(command.file);
        say(out, u"バックアップを作成しました。\r"_s + place(command.file));
        break;
    }
}

} // namespace

int runDataCommand(const DataCommand& command, QTextStream& out, QTextStream& err) {
    try {
        if (Mod1::OpenDb())
            say(err, u"はじめての起動のため、データベース TEL.mdb を用意しました。\r"_s +
                         place(QDir(Mod1::AppPath).filePath(u"TEL.mdb"_s)));
    } catch (const platform::EngineError& error) {
        say(err, u"tamoru: データベース TEL.mdb を開けません。\r"_s +
                     place(QDir(Mod1::AppPath).filePath(u"TEL.mdb"_s)) + u"\r理由："_s + core::reasonOf(error));
        Mod1::ResetState();
        return 1;
    }
    int status = 0;
    try {
        carryOut(command, out);
    } catch (const core::FileError& error) {
        say(err, u"tamoru: "_s + error.message());
        status = 1;
    } catch (const platform::EngineError& error) {
        say(err, u"tamoru: データベースの処理に失敗しました。\r理由："_s + core::reasonOf(error));
        status = 1;
    }
    Mod1::ResetState();
    return status;
}
