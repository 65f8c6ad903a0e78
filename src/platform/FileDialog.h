#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

enum class FileUse { Open, Save };

struct FileQuestion {
    QString name;      // the window's object name
    QString caption;   // its title
    QString suggested; // a file name to offer for saving
    QStringList types; // "vCard ファイル (*.vcf)" …; the first is chosen at the start
};

struct FileAnswer {
    QString path;  // empty when the user cancelled
    int type = -1; // the place in `types` of the type chosen
};

// Asks for a file in the toolkit's own dialog, the same on every desktop, shown modally as
// every window is. It opens in the folder of the file chosen last in this run (the home folder
// at first); saving over a file asks first, and a name without a suffix gets the chosen
// type's.
FileAnswer askFile(QWidget* owner, FileUse use, const FileQuestion& question);

} // namespace platform
