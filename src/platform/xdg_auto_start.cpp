#include "platform/xdg_auto_start.h"

#include "common/program_path.h"
#include "platform/files.h"
#include "settings/autostart_entry.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr const char* autostartFolder = "/autostart";

bool writeInto(Files& files, const std::string& folder, const std::string& path,
               const std::string& entry) {
    if (folder.empty() || !QDir().mkpath(QString::fromStdString(folder))) {
        return false;
    }
    return files.write(path, entry);
}

} // namespace

XdgAutoStart::XdgAutoStart(Files& files, std::string systemFolder, std::string userFolder)
    : files_(files), systemFolder_(std::move(systemFolder)), userFolder_(std::move(userFolder)) {}

XdgAutoStart XdgAutoStart::fromStandardLocations(Files& files) {
    // The first location is the user's own; the system's follow it.
    const QStringList locations =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString system;
    for (const QString& location : locations) {
        if (location != user) {
            system = location;
            break;
        }
    }
    return XdgAutoStart(files, system.isEmpty() ? "" : (system + autostartFolder).toStdString(),
                        user.isEmpty() ? "" : (user + autostartFolder).toStdString());
}

std::string XdgAutoStart::entryIn(const std::string& folder) const {
    return programFilePath(folder, Settings::autoStartFileName(files_.executableBaseName()));
}

void XdgAutoStart::set() {
    const std::string entry = Settings::autoStartEntry(files_.executablePath());
    if (!writeInto(files_, systemFolder_, entryIn(systemFolder_), entry)) {
        writeInto(files_, userFolder_, entryIn(userFolder_), entry);
    } else if (!userFolder_.empty()) {
        files_.remove(entryIn(userFolder_)); // it would stand in for the system's
    }
}

void XdgAutoStart::clear() {
    for (const std::string& folder : {systemFolder_, userFolder_}) {
        if (!folder.empty()) {
            files_.remove(entryIn(folder));
        }
    }
    // A system entry this user cannot remove is hidden by one of the user's.
    if (!systemFolder_.empty() && files_.exists(entryIn(systemFolder_))) {
        writeInto(files_, userFolder_, entryIn(userFolder_), Settings::hiddenAutoStartEntry());
    }
}
