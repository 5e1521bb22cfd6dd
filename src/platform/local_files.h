#pragma once

#include "platform/files.h"

class LocalFiles final : public Files {
public:
    bool exists(const std::string& path) const override;
    bool existsIgnoringCase(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path) const override;
    bool write(const std::string& path, const std::string& contents) override;
    bool remove(const std::string& path) override;
    bool setHidden(const std::string& path) override;
    std::string programFolder() const override;
    std::string executableBaseName() const override;
    std::string executablePath() const override;
};
