#pragma once

#include <optional>
#include <string>

// Whole-file access to the program folder. Paths are UTF-8; contents are
// bytes. Every write replaces its target atomically, so a failure leaves the
// old file as it was.
class Files {
public:
    virtual ~Files() = default;

    virtual bool exists(const std::string& path) const = 0;
    // Exists in any letter case of its file name (the folder is taken as given).
    virtual bool existsIgnoringCase(const std::string& path) const = 0;
    virtual std::optional<std::string> read(const std::string& path) const = 0;
    virtual bool write(const std::string& path, const std::string& contents) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Renames a file or folder to a name that is free; false when it is taken.
    virtual bool moveAside(const std::string& from, const std::string& to) = 0;
    // Removes the temporary files of saves a kill cut short, from the
    // program's and the download folder; only while no other copy runs.
    virtual void removeStaleTemporaries() = 0;
    // Hides the file from the user's file manager.
    virtual bool setHidden(const std::string& path) = 0;

    // The folder the program keeps its files in, without a trailing
    // separator: the executable's own where it can be written, otherwise the
    // user's configuration folder.
    virtual std::string programFolder() const = 0;
    // Where a download goes: the program folder when that is the executable's,
    // otherwise the user's download folder.
    virtual std::string downloadFolder() const = 0;
    // The executable's file name without its folder (and without an extension).
    virtual std::string executableBaseName() const = 0;
    // The running executable's own full path, extension and all.
    virtual std::string executablePath() const = 0;
};
