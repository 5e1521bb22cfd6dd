#include "platform/user_folders.h"

#include "common/program_path.h"
#include "platform/own_file.h"

#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string writableLocation(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

} // namespace

bool keepsItsOwnFiles(const std::string& folder, const std::string& downloads) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !onlyThisUserWrites(status)) {
        return false;
    }
    std::error_code error;
    if (!downloads.empty() && std::filesystem::equivalent(folder, downloads, error)) {
        return false;
    }
    // access() asks for this user, so a read-only mount counts as well.
    return ::access(folder.c_str(), W_OK) == 0;
}

FileFolders foldersForThisUser(const std::vector<std::string>& carried) {
    LocalFiles beside;
    const std::string programFolder = beside.programFolder();
    const std::string userFolder = writableLocation(QStandardPaths::AppConfigLocation);
    const std::string downloads = writableLocation(QStandardPaths::DownloadLocation);
    if (keepsItsOwnFiles(programFolder, downloads) || userFolder.empty()) {
        return {programFolder, programFolder};
    }
    carryOver(programFolder, userFolder, carried);
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
