#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

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

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = japanese ? u"引数 '%1' は使えません。"_s.arg(parser.positionalArguments().first())
                         : u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        const QString hint =
            japanese ? u"使い方は 'tamoru --help' で表示します。"_s : u"Try 'tamoru --help' for more information."_s;
        std::fprintf(stderr, "tamoru: %s\n%s\n", qUtf8Printable(error), qUtf8Printable(hint));
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp(0); // on Windows, where a program with windows has no console, in a message box
    if (parser.isSet(version))
        parser.showVersion();
    return std::nullopt;
}
