#include "reminders/reminder_file_ui.h"

#include "common/program_path.h"
#include "platform/files.h"

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

} // namespace ReminderMatch
