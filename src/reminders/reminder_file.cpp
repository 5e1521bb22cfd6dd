#include "reminders/reminder_file.h"

#include "common/program_path.h"
#include "platform/files.h"

#include <cstdio>

namespace ReminderMatch {

namespace {

std::string storePath(const Files& files) {
    return programFilePath(files.programFolder(), "RemindMe.dsl");
}

} // namespace

StoreFile readStore(const Files& files) {
    const std::string path = storePath(files);
    if (auto text = files.read(path)) {
        return {std::move(*text), true};
    }
    return {"", !files.exists(path)};
}

bool writeStore(Files& files, const std::string& text) {
    return files.write(storePath(files), text);
}

bool moveUnreadableStoreAside(Files& files) {
    const std::string path = storePath(files);
    const std::string aside = path + ".unreadable";
    for (int copy = 1; copy <= 100; ++copy) {
        const std::string name = copy == 1 ? aside : aside + "." + std::to_string(copy);
        if (files.moveAside(path, name)) {
            std::fprintf(stderr, "kickoff-clock: %s could not be read; kept as %s\n", path.c_str(),
                         name.c_str());
            return true;
        }
        if (!files.exists(name)) {
            break; // the name was free: the store itself cannot be moved
        }
    }
    return false;
}

} // namespace ReminderMatch
