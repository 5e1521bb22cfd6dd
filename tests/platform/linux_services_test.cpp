#include "platform/flock_instance.h"
#include "platform/local_files.h"
#include "platform/xdg_auto_start.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Half a file is worse than the old one: a write cut short (here by a file
// size limit) or refused leaves the old file and no temporary behind; one
// a kill left is removed at the next start, and nothing else is. Moving
// aside never replaces a file.
// Hiding lists a name once in the folder's ".hidden".
TEST(LocalFiles, WritesWholeFilesWithTheirModesOrNothingAndHidesNames) {
    QTemporaryDir folder;
    const auto path = [&](const char* name) { return folder.filePath(name).toStdString(); };
    LocalFiles files({folder.path().toStdString(), folder.path().toStdString()});
    const std::string bytes("a\r\nb\0c\xff", 7);
    ASSERT_TRUE(files.write(path("settings.dsl"), bytes) && fs::create_directory(path("dir")));
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{2, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(files.write(path("settings.dsl"), "new text"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(files.write(path("dir"), "x") || files.write(path("no/such/file"), "x"));
    EXPECT_EQ(files.read(path("settings.dsl")), bytes);
    ASSERT_TRUE(files.write(path("settings.dsl"), "new"));
    EXPECT_EQ(files.read(path("settings.dsl")), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("")), {}), 2);
    EXPECT_FALSE(files.read(path("missing")) || files.read(path("dir")));
    for (const char* name : {".a.kc-save-Ab12Cd", "a.kc-save-Ab12Cd", ".a.kc-save-"}) {
        ASSERT_TRUE(files.write(path(name), ""));
    }
    files.removeStaleTemporaries();
    EXPECT_FALSE(fs::exists(path(".a.kc-save-Ab12Cd")));
    EXPECT_TRUE(fs::exists(path("a.kc-save-Ab12Cd")) && fs::exists(path(".a.kc-save-")));
    EXPECT_FALSE(files.moveAside(path("a.kc-save-Ab12Cd"), path(".a.kc-save-")));
    EXPECT_TRUE(files.moveAside(path("a.kc-save-Ab12Cd"), path("b")) && fs::exists(path("b")));

    ASSERT_TRUE(files.write(path("Desktop.INI"), "") && files.write(path(".hidden"), "a\r\nb"));
    EXPECT_TRUE(files.existsIgnoringCase(path("desktop.ini")));
    for (const char* name : {"Desktop.INI", "Desktop.INI", "a"}) {
        EXPECT_TRUE(files.setHidden(path(name)));
    }
    EXPECT_EQ(files.read(path(".hidden")), "a\r\nb\nDesktop.INI\n");

    // A new file, or one in place of a symlink, is made as the umask says; a
    // replaced regular file keeps its mode, but not its set-id bits.
    const mode_t umask = ::umask(0);
    for (auto [mask, before, after] :
         {std::tuple{077, "none", 0600}, {022, "file 6751", 0751}, {027, "symlink", 0640}}) {
        ::umask(mask);
        fs::remove(path("f"));
        if (before == std::string("file 6751")) {
            ASSERT_TRUE(files.write(path("f"), "") && ::chmod(path("f").c_str(), 06751) == 0);
        } else if (before == std::string("symlink")) {
            ASSERT_TRUE(files.write(path("target"), "") &&
                        ::chmod(path("target").c_str(), 0700) == 0);
            fs::create_symlink(path("target"), path("f"));
        }
        ASSERT_TRUE(files.write(path("f"), "x")) << before;
        EXPECT_EQ(fs::symlink_status(path("f")).permissions(), fs::perms(after)) << before;
    }
    ::umask(umask);
}

// The lock lives in the runtime folder, or without one in a folder of the
// user's own in the cache; a folder that is a link, or that someone else owns
// or may write in, holds no lock: better a second copy than a lock planted.
TEST(FlockInstance, TheFirstCopyHoldsTheLockInAFolderOfTheUsersOwn) {
    QTemporaryDir root;
    const auto at = [&](const char* name) { return root.filePath(name).toStdString(); };
    ASSERT_TRUE(::mkdir(at("own").c_str(), 0700) == 0 && ::mkdir(at("others").c_str(), 0700) == 0);
    ASSERT_TRUE(::mkdir(at("open").c_str(), 0700) == 0 && ::chmod(at("open").c_str(), 0777) == 0);
    fs::create_directory_symlink(at("own"), at("link"));
    const bool asRoot = ::geteuid() == 0 && ::chown(at("others").c_str(), 65534, 65534) == 0;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), cache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", at("cache").c_str());
    const std::string executable = "/kc-test/" + std::to_string(::getpid());
    for (auto [folder, locks] : {std::pair{"own", true},
                                 {"", true}, // the cache's
                                 {"link", false},
                                 {"open", false},
                                 {"others", !asRoot},
                                 {"own", true}}) { // the first row's lock went with it
        qputenv("XDG_RUNTIME_DIR", *folder ? at(folder).c_str() : "");
        FlockInstance first(executable);
        EXPECT_FALSE(first.anotherRunning());
        EXPECT_EQ(FlockInstance(executable).anotherRunning(), locks) << folder;
    }
    EXPECT_EQ(fs::status(at("cache/kickoff-clock")).permissions(), fs::perms(0700));
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("XDG_CACHE_HOME", cache);
}

// The entry goes into the system's autostart folder, or the user's when that
// cannot be made; clearing takes it from both, and a system entry that stays
// (here a folder with a file in it) is hidden by a user entry.
TEST(XdgAutoStart, SetsTheSystemsEntryOrElseTheUsersAndClearsBoth) {
    QTemporaryDir root;
    const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", root.filePath("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", root.filePath("etc").toUtf8());
    const std::string system = root.filePath("etc/autostart/kc_ui_tests.desktop").toStdString();
    const std::string user = root.filePath("home/autostart/kc_ui_tests.desktop").toStdString();
    LocalFiles files;
    XdgAutoStart autoStart = XdgAutoStart::fromStandardLocations(files);
    // A file where the system's folder would be: the entry goes to the user's.
    EXPECT_TRUE(files.write(root.filePath("etc").toStdString(), ""));
    autoStart.set();
    EXPECT_TRUE(files.exists(user) && !files.exists(system));
    EXPECT_TRUE(files.remove(root.filePath("etc").toStdString()));
    autoStart.set();
    EXPECT_NE(files.read(system).value_or("").find("Exec=\"" + files.executablePath() + "\"\n"),
              std::string::npos);
    EXPECT_FALSE(files.exists(user)); // it would stand in for the system's
    autoStart.clear();
    EXPECT_FALSE(files.exists(system) || files.exists(user));
    fs::create_directories(system + "/kept");
    autoStart.clear();
    EXPECT_NE(files.read(user).value_or("").find("\nHidden=true\n"), std::string::npos);
    qputenv("XDG_CONFIG_HOME", home);
    qputenv("XDG_CONFIG_DIRS", dirs);
}
