#pragma once

#include "platform/files.h"

// Where the program's files go.
struct FileFolders {
    std::string program;   // settings, reminders and the other files the program keeps
    std::string downloads; // the update archive
};

class LocalFiles final : public Files {
public:
    // Everything beside the executable.
    LocalFiles();
    explicit LocalFiles(FileFolders folders);

    bool exists(const std::string& path) const override;
    bool existsIgnoringCase(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path) const override;
    bool write(const std::string& path, const std::string& contents) override;
    bool remove(const std::string& path) override;
    bool moveAside(const std::string& from, const std::string& to) override;
    void removeStaleTemporaries() override;
    bool setHidden(const std::string& path) override;
    std::string programFolder() const override;
    std::string downloadFolder() const override;
    std::string executablePath() const override;
    std::string executableBaseName() const override;

private:
    FileFolders folders_;
};
