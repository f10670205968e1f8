#include "platform/qt/DeferredSoundPlayer.h"

#include "platform/qt/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace platform {

namespace {

// Only beside the program, where it is built with it: a module elsewhere, such as in a build
// folder, may be of another version than this copy of the program.
QString besideTheProgram() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(BRIVATENZO_SOUND_MODULE_NAME));
}

} // namespace

DeferredSoundPlayer::DeferredSoundPlayer(QString module) : module_(std::move(module)) {}
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::open() {
    if (opened_) return;
    opened_ = true;
    // The module stays loaded until the program ends: the player's code runs until then.
    QLibrary module(module_.isEmpty() ? besideTheProgram() : module_);
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
