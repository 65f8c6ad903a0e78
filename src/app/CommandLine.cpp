#include "app/CommandLine.h"

#include "app/DataCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

bool systemSpeaksJapanese() {
    return QLocale(QLocale::system().uiLanguages().value(0)).language() == QLocale::Japanese;
}

} // namespace

void introduceProgram() {
    QCoreApplication::setApplicationName(u"Tamoru"_s); // the window class the desktop entry names
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TAMORU_VERSION));
    QGuiApplication::setDesktopFileName(u"org.example.Tamoru"_s);
}

std::optional<int> answerCommandLine(int& argc, char** argv) {
    if (argc <= 1)
        return std::nullopt;
    QCoreApplication commandLine(argc, argv);
    introduceProgram();
    QTextStream out(stdout), err(stderr);
    return answerArguments(QCoreApplication::arguments(), out, err);
}

std::optional<int> answerArguments(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const bool japanese = systemSpeaksJapanese();
    // The parser's own words ("Usage", "Options", its errors) in the same language.
    QTranslator toolkitTexts;
    if (japanese && toolkitTexts.load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkitTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        japanese ? u"共有パソコンの手帳：ユーザーごとの日記つきカレンダー、アラームつき時計、ランチャー、電話帳。"_s
                 : u"An organiser for a shared PC: a calendar with each user's diary, a clock with an alarm, a "
                   u"launcher and a phone book."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s},
                                  japanese ? u"このヘルプを表示して終了します。"_s : u"Shows this help and exits."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, japanese ? u"バージョンを表示して終了します。"_s
                                                                      : u"Shows the version and exits."_s);
    parser.addOptions({help, version});
    const QString file = japanese ? u"ファイル"_s : u"file"_s;
    const auto valueOption = [&](const QString& name, const QString& value, const QString& ja, const QString& en) {
        return QCommandLineOption(name, japanese ? ja : en, value);
    };
    const QList<std::pair<QCommandLineOption, DataCommand::Action>> actions{
        {valueOption(u"export-vcard"_s, file, u"電話帳を vCard 3.0 のファイルに書き出します。"_s,
                     u"Writes the phone book to a vCard 3.0 file."_s),
         DataCommand::Action::ExportVCard},
        {valueOption(u"import-vcard"_s, file, u"vCard のファイル（2.1、3.0、4.0）を電話帳に読み込みます。"_s,
                     u"Reads a vCard file (2.1, 3.0, 4.0) into the phone book."_s),
         DataCommand::Action::ImportVCard},
        {valueOption(u"export-csv"_s, file, u"電話帳を CSV ファイル（UTF-8）に書き出します。"_s,
                     u"Writes the phone book to a CSV file (UTF-8)."_s),
         DataCommand::Action::ExportCsv},
        {valueOption(u"import-csv"_s, file, u"CSV ファイル（UTF-8 か Shift_JIS）を電話帳に読み込みます。"_s,
                     u"Reads a CSV file (UTF-8 or Shift_JIS) into the phone book."_s),
         DataCommand::Action::ImportCsv},
        {valueOption(u"backup"_s, file, u"TEL.mdb のバックアップをファイルに作成します。"_s,
                     u"Writes a backup copy of TEL.mdb to a file."_s),
         DataCommand::Action::Backup},
        {valueOption(u"server"_s, u"URL"_s,
                     u"この PC が使う PostgreSQL のデータベースを設定します（none で TEL.mdb に戻します）。"_s,
                     u"Names the PostgreSQL database this PC uses (none: back to TEL.mdb)."_s),
         DataCommand::Action::Server},
        {valueOption(u"create-server-database"_s, u"URL"_s,
                     u"空の PostgreSQL のデータベースに Tamoru のテーブルを作ります。"_s,
                     u"Makes Tamoru's tables in an empty PostgreSQL database."_s),
         DataCommand::Action::CreateServerDatabase},
        {valueOption(u"copy-to-server"_s, u"URL"_s,
                     u"TEL.mdb を、作ったばかりのサーバーのデータベースにコピーします。"_s,
                     u"Copies TEL.mdb into a server database just made."_s),
         DataCommand::Action::CopyToServer},
    };
    for (const auto& [option, action] : actions)
        parser.addOption(option);
    const QCommandLineOption shiftJis(u"shift-jis"_s, japanese ? u"--export-csv の書き出しを Shift_JIS にします。"_s
                                                               : u"With --export-csv, writes Shift_JIS."_s);
    const QCommandLineOption replace(
        u"replace"_s, japanese
                          ? u"読み込みで、電話帳にすでにある名前のデータを置き換えます（指定しなければ飛ばします）。"_s
                          : u"When reading, replaces the records whose names the book "
                            u"already has (they are skipped otherwise)."_s);
    parser.addOptions({shiftJis, replace});

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = japanese ? u"引数 '%1' は使えません。"_s.arg(parser.positionalArguments().first())
                         : u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().first());
    std::optional<DataCommand> command;
    for (const auto& [option, action] : actions) {
        if (!error.isEmpty() || !parser.isSet(option))
            continue;
        if (command)
            error = japanese ? u"一度に指定できる操作は一つだけです。"_s : u"Only one action can be given at a time."_s;
        else
            command = DataCommand{action, parser.value(option)};
    }
    if (error.isEmpty() && parser.isSet(shiftJis) && (!command || command->action != DataCommand::Action::ExportCsv))
        error =
            japanese ? u"--shift-jis は --export-csv と一緒に指定します。"_s : u"--shift-jis goes with --export-csv."_s;
    if (error.isEmpty() && parser.isSet(replace) &&
        (!command ||
         (command->action != DataCommand::Action::ImportVCard && command->action != DataCommand::Action::ImportCsv)))
        error = japanese ? u"--replace は --import-vcard か --import-csv と一緒に指定します。"_s
                         : u"--replace goes with --import-vcard or --import-csv."_s;
    if (!error.isEmpty()) {
        const QString hint =
            japanese ? u"使い方は 'tamoru --help' で表示します。"_s : u"Try 'tamoru --help' for more information."_s;
        err << u"tamoru: "_s << error << u'\n' << hint << Qt::endl;
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp(0); // on Windows, where a program with windows has no console, in a message box
    if (parser.isSet(version))
        parser.showVersion();
    if (command) {
        command->shiftJis = parser.isSet(shiftJis);
        command->replace = parser.isSet(replace);
        return runDataCommand(*command, out, err);
    }
    return std::nullopt;
}
