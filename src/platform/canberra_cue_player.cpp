#include "platform/canberra_cue_player.h"

#include <QGuiApplication>

#include "platform/canberra_backend.h"

namespace dropline::platform {
namespace {

SoundClientIdentity identityOf(const QString &applicationName, const QString &applicationId) {
    QString name = applicationName;
    if (name.isEmpty()) {
        name = QGuiApplication::applicationDisplayName();
    }
    QString id = applicationId;
    if (id.isEmpty()) {
        id = QGuiApplication::desktopFileName();
    }
    if (id.isEmpty()) {
        id = QCoreApplication::applicationName();
    }
    return {name.toUtf8(), id.toUtf8()};
}

}  // namespace

CanberraCuePlayer::CanberraCuePlayer(const QString &applicationName, const QString &applicationId)
    : player_(makeCanberraBackend(identityOf(applicationName, applicationId))) {}

void CanberraCuePlayer::play(Cue cue) {
    player_.play(cue);
}

}  // namespace dropline::platform
