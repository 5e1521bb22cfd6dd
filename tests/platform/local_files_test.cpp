#include "platform/local_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LocalFilesTest : public ::testing::Test {
protected:
    void TearDown() override {
        ::chmod(folder_.c_str(), 0755);
        fs::remove_all(folder_);
    }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Files and folders in the folder: a temporary file left behind shows here.
    long entries() const { return std::distance(fs::directory_iterator(folder_), {}); }

    LocalFiles files_;
    char pattern_[21] = "/tmp/kc-files-XXXXXX";
    std::string folder_ = ::mkdtemp(pattern_);
};

} // namespace

TEST_F(LocalFilesTest, WritesReadsAndReplacesWholeFiles) {
    const std::string bytes("a\r\nb\0c\xff", 7);
    EXPECT_TRUE(files_.write(path("RemindMe.dsl"), bytes));
    EXPECT_EQ(files_.read(path("RemindMe.dsl")), bytes);
    EXPECT_TRUE(files_.write(path("RemindMe.dsl"), "new"));
    EXPECT_EQ(files_.read(path("RemindMe.dsl")), "new");
    EXPECT_TRUE(files_.write(path("empty"), ""));
    EXPECT_EQ(files_.read(path("empty")), "");
    EXPECT_EQ(entries(), 2);
    EXPECT_FALSE(files_.read(path("missing")));
    EXPECT_FALSE(files_.read(folder_)); // a folder is no file
}

TEST_F(LocalFilesTest, AWriteThatCannotReplaceItsTargetChangesNothing) {
    fs::create_directories(path("RemindMe.dsl/inside"));
    EXPECT_FALSE(files_.write(path("RemindMe.dsl"), "text"));
    EXPECT_TRUE(fs::is_directory(path("RemindMe.dsl/inside")));
    EXPECT_EQ(entries(), 1);
    EXPECT_FALSE(files_.write(path("no/such/folder/file"), "x"));
}

TEST_F(LocalFilesTest, AFailedWriteLeavesTheOldFileAsItWas) {
    ASSERT_TRUE(files_.write(path("settings.dsl"), "old"));
    ::chmod(folder_.c_str(), 0555);
    if (::access(folder_.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "running as a user that writes into read-only folders";
    }
    EXPECT_FALSE(files_.write(path("settings.dsl"), "new"));
    EXPECT_EQ(files_.read(path("settings.dsl")), "old");
}

TEST_F(LocalFilesTest, FindsANameInAnyLetterCaseAndDeletes) {
    ASSERT_TRUE(files_.write(path("Desktop.INI"), "x"));
    EXPECT_TRUE(files_.existsIgnoringCase(path("desktop.ini")));
    EXPECT_FALSE(files_.exists(path("desktop.ini")));
    EXPECT_FALSE(files_.existsIgnoringCase(path("desktop.in")));
    EXPECT_TRUE(files_.remove(path("Desktop.INI")));
    EXPECT_FALSE(files_.existsIgnoringCase(path("desktop.ini")));
    EXPECT_FALSE(files_.remove(path("Desktop.INI")));
}

TEST_F(LocalFilesTest, AReplacedFileKeepsItsPermissions) {
    const auto mode = [this](const char* name) {
        struct stat status {};
        ::stat(path(name).c_str(), &status);
        return status.st_mode & 07777;
    };
    ASSERT_TRUE(files_.write(path("settings.dsl"), "old"));
    EXPECT_EQ(mode("settings.dsl"), 0644u);
    ::chmod(path("settings.dsl").c_str(), 0600);
    ASSERT_TRUE(files_.write(path("settings.dsl"), "new"));
    EXPECT_EQ(mode("settings.dsl"), 0600u);
}

TEST_F(LocalFilesTest, HidingListsTheNameOnceInTheFoldersHiddenFile) {
    ASSERT_TRUE(files_.write(path(".hidden"), "notes.txt\r\nold"));
    for (const char* name : {"desktop.ini", "desktop.ini", "notes.txt"}) {
        EXPECT_TRUE(files_.setHidden(path(name)));
    }
    EXPECT_EQ(files_.read(path(".hidden")), "notes.txt\r\nold\ndesktop.ini\n");
    EXPECT_EQ(entries(), 1);
}
