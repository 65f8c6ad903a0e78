#include "platform/Desktop.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace platform {

void setUpDesktop() {
    // The windows name the fonts of a Japanese desktop; elsewhere the nearest fonts stand in.
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, {u"IPAPGothic"_s, u"Noto Sans CJK JP"_s, u"VL PGothic"_s});
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, {u"IPAGothic"_s, u"Noto Sans Mono CJK JP"_s, u"VL Gothic"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐ明朝"_s, {u"IPAPMincho"_s, u"Noto Serif CJK JP"_s});
    QFont::insertSubstitutions(u"ＭＳ 明朝"_s, {u"IPAMincho"_s, u"Noto Serif CJK JP"_s});

    // Without a desktop session no icon theme is set; use the common one.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == u"hicolor"_s) {
        QStringList paths = QIcon::themeSearchPaths();
        if (!paths.contains(u"/usr/share/icons"_s))
            paths.append(u"/usr/share/icons"_s);
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(u"Adwaita"_s);
    }
    QIcon::setFallbackThemeName(u"hicolor"_s);

    QApplication::setFont(QFont(u"ＭＳ Ｐゴシック"_s, 9));

    // The toolkit's own texts (the text boxes' menu, say) in Japanese, like the rest.
    auto* toolkitTexts = new QTranslator(qApp);
    if (toolkitTexts->load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(toolkitTexts);
}

} // namespace platform
