#include "platform/qt/QtResources.h"

#include <QFile>
#include <QString>

namespace platform {

Bytes QtResources::sound(int n) const {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(n));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

} // namespace platform
