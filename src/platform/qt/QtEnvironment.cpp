#include "platform/qt/QtEnvironment.h"

#include "version.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

Version QtEnvironment::version() const {
    return Version{BRIVATENZO_VERSION_MAJOR, BRIVATENZO_VERSION_MINOR, BRIVATENZO_VERSION_PATCH};
}

std::string QtEnvironment::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

void QtEnvironment::setCurrentDirectory(const std::string& folder) {
    QDir::setCurrent(QString::fromStdString(folder));
}

void QtEnvironment::quit() {
    QCoreApplication::exit(0);
}

} // namespace platform
