#include "app/DataCommand.h"

#include "addressbook/AddressFiles.h"
#include "core/DataFile.h"
#include "core/EngineGuard.h"
#include "core/FileError.h"
#include "core/Mod1.h"
#include "core/ServerSetup.h"
#include "core/WholeFile.h"
#include "platform/DatabasePlace.h"
#include "platform/ServerAddress.h"

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
    return core::placeOf(QFileInfo(file).absoluteFilePath());
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
    default:
        break;
    }
}

// The steps that set up a server: they work on the address given, whatever this PC uses.
void setUpServer(const DataCommand& command, QTextStream& out) {
    auto workspace = platform::Workspace::defaultWorkspace();
    switch (command.action) {
    case Action::Server: {
        if (command.file == u"none"_s) {
            core::saveServerAddress({});
            say(out, u"この PC は、次の起動からデータベース TEL.mdb を使います。"_s);
            return;
        }
        QString why;
        if (!platform::readServerAddress(command.file, &why))
            throw core::FileError(why);
        core::saveServerAddress(command.file);
        say(out, u"この PC は、次の起動からサーバーのデータベースを使います。\r場所："_s + command.file);
        auto server = workspace->openServer(command.file);
        core::checkOurs(server->tableColumns());
        return;
    }
    case Action::CreateServerDatabase: {
        auto server = workspace->openServer(command.file);
        core::createServerDatabase(*server);
        say(out, u"サーバーのデータベースに Tamoru のテーブルを作りました。\r場所："_s + command.file);
        return;
    }
    case Action::CopyToServer: {
        const platform::DatabasePlace place = platform::databasePlace();
        auto file = workspace->openDatabase(QDir(place.folder).filePath(u"TEL.mdb"_s));
        core::checkOurs(file->tableColumns());
        auto server = workspace->openServer(command.file);
        const core::CopiedRows copied = core::copyToServer(*file, *server);
        say(out, u"TEL.mdb をサーバーのデータベースにコピーしました。\r"_s +
                     u"ユーザー %1 件　日記 %2 件　性別 %3 件　電話帳 %4 件\r"_s.arg(copied.users)
                         .arg(copied.diary)
                         .arg(copied.sexes)
                         .arg(copied.addresses) +
                     u"元："_s + QDir::toNativeSeparators(file->fileName()) + u"\r先："_s + command.file);
        return;
    }
    default:
        return;
    }
}

bool isServerStep(DataCommand::Action action) {
    return action == Action::Server || action == Action::CreateServerDatabase || action == Action::CopyToServer;
}

} // namespace

int runDataCommand(const DataCommand& command, QTextStream& out, QTextStream& err) {
    if (isServerStep(command.action)) {
        try {
            setUpServer(command, out);
            return 0;
        } catch (const core::FileError& error) {
            say(err, u"tamoru: "_s + error.message());
        } catch (const platform::EngineError& error) {
            say(err, u"tamoru: "_s + core::reasonOf(error));
        }
        return 1;
    }
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
