#include "platform/Sound.h"

#include "platform/SystemFolder.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

bool playWave(const QString& path) {
    const QString file = findFileIgnoringCase(path);
    if (file.isEmpty() || QMediaDevices::audioOutputs().isEmpty())
        return false;
    // One effect for the whole run; a new sound replaces one still playing.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect->source() != source)
        effect->setSource(source);
    else
        effect->stop();
    effect->play();
    return true;
}

} // namespace platform
