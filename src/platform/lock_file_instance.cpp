#include "platform/lock_file_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString lockPathFor(const std::string& executablePath) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    const QByteArray key = QCryptographicHash::hash(QByteArray::fromStdString(executablePath),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    return folder + "/kickoff-clock-" + QString::fromLatin1(key) + ".lock";
}

} // namespace

LockFileInstance::LockFileInstance(const std::string& executablePath)
    : lock_(std::make_unique<QLockFile>(lockPathFor(executablePath))) {
    lock_->setStaleLockTime(0);
}

bool LockFileInstance::anotherRunning() {
    if (!checked_) {
        checked_ = true;
        another_ = !lock_->tryLock(0);
    }
    return another_;
}
