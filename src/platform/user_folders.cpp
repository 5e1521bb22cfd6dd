#include "platform/user_folders.h"

#include "common/program_path.h"

#include <QStandardPaths>

#include <unistd.h>

namespace {

std::string writableLocation(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

} // namespace

FileFolders foldersForThisUser(const std::vector<std::string>& carried) {
    LocalFiles beside;
    const std::string programFolder = beside.programFolder();
    const std::string userFolder = writableLocation(QStandardPaths::AppConfigLocation);
    // access() asks for this user, so a read-only mount counts as well.
    if (::access(programFolder.c_str(), W_OK) == 0 || userFolder.empty()) {
        return {programFolder, programFolder};
    }
    carryOver(programFolder, userFolder, carried);
    const std::string downloads = writableLocation(QStandardPaths::DownloadLocation);
    return {userFolder, downloads.empty() ? userFolder : downloads};
}

void carryOver(const std::string& from, const std::string& to,
               const std::vector<std::string>& names) {
    LocalFiles files({to, to}); // creates the folder with the first file
    for (const std::string& name : names) {
        const std::string destination = programFilePath(to, name);
        if (files.exists(destination)) {
            continue;
        }
        if (const auto contents = files.read(programFilePath(from, name))) {
            files.write(destination, *contents);
        }
    }
}
