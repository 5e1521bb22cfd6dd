#pragma once

#include <string>

class Files;

namespace ReminderMatch {

// RemindMe.dsl as found at start-up. A missing file is an empty store that
// is written at the end; one that is there but cannot be read is an empty
// store that must never be written over, so nothing the user had is lost.
struct StoreFile {
    std::string text;
    bool writable = false;
};

StoreFile readStore(const Files& files);
bool writeStore(Files& files, const std::string& text);
// Renames an unreadable RemindMe.dsl to the first free of
// RemindMe.dsl.unreadable, RemindMe.dsl.unreadable.2, ... and says so on
// standard error; false when it could not be moved.
bool moveUnreadableStoreAside(Files& files);

} // namespace ReminderMatch
