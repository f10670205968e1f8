#include "platform/qt/DeferredSoundPlayer.h"

#include "platform/qt/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

namespace platform {

namespace {

// Beside the program, or where the build put it.
QString modulePath() {
    const QString beside = QDir(QCoreApplication::applicationDirPath())
                               .filePath(QFileInfo(QStringLiteral(BRIVATENZO_SOUND_MODULE)).fileName());
    return QFileInfo::exists(beside) ? beside : QStringLiteral(BRIVATENZO_SOUND_MODULE);
}

} // namespace

DeferredSoundPlayer::DeferredSoundPlayer() = default;
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::open() {
    if (opened_) return;
    opened_ = true;
    // The module stays loaded until the program ends: the player's code runs until then.
    QLibrary module(modulePath());
    auto make = reinterpret_cast<SoundModuleEntry>(module.resolve(kSoundModuleEntry));
    if (make == nullptr) {
        qWarning("Le 4 brivatenzo: suoni non disponibili (%s)", qPrintable(module.errorString()));
        return;
    }
    player_.reset(make());
}

void DeferredSoundPlayer::play(const Bytes& wav) {
    open();
    if (player_) player_->play(wav);
}

} // namespace platform
