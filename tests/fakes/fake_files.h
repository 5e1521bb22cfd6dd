#pragma once

#include "platform/files.h"

#include <map>
#include <set>
#include <string>

// An in-memory program folder at /app.
class FakeFiles final : public Files {
public:
    bool exists(const std::string& path) const override;
    bool existsIgnoringCase(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path) const override;
    bool write(const std::string& path, const std::string& contents) override;
    bool remove(const std::string& path) override;
    bool setHidden(const std::string& path) override;
    std::string programFolder() const override { return folder; }
    std::string downloadFolder() const override { return downloads; }
    std::string executableBaseName() const override { return baseName; }
    std::string executablePath() const override;

    std::map<std::string, std::string> contents;
    std::map<std::string, bool> hidden;
    std::set<std::string> unreadable; // there, but reading fails (a folder, no permission)
    std::string folder = "/app";
    std::string downloads = "/app";
    std::string baseName = "kickoff-clock";
    std::string extension; // of the executable's file name
    bool failWrites = false;
    int writes = 0;
};
