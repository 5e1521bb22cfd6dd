#include "platform/desktop_shell.h"
#include "platform/flock_instance.h"
#include "platform/local_files.h"
#include "platform/qt_http.h"
#include "platform/user_folders.h"
#include "platform/xdg_auto_start.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Half a file is worse than the old one: a write cut short (here by a file
// size limit) or refused leaves the old file and no temporary behind. A new
// file is readable by all; a replaced one keeps the mode the user gave it.
// Hiding lists a name once in the folder's ".hidden".
TEST(LocalFiles, WritesWholeFilesOrNothingAndHidesNames) {
    QTemporaryDir folder;
    const auto path = [&](const char* name) { return folder.filePath(name).toStdString(); };
    const auto mode = [&](const char* name) { return fs::status(path(name)).permissions(); };
    LocalFiles files;
    const std::string bytes("a\r\nb\0c\xff", 7);
    ASSERT_TRUE(files.write(path("settings.dsl"), bytes) && fs::create_directory(path("dir")));
    EXPECT_EQ(mode("settings.dsl"), fs::perms(0644));
    fs::permissions(path("settings.dsl"), fs::perms(0600));
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
    EXPECT_EQ(mode("settings.dsl"), fs::perms(0600));
    EXPECT_EQ(std::distance(fs::directory_iterator(path("")), {}), 2);
    EXPECT_FALSE(files.read(path("missing")) || files.read(path("dir")));

    ASSERT_TRUE(files.write(path("Desktop.INI"), "") && files.write(path(".hidden"), "a\r\nb"));
    EXPECT_TRUE(files.existsIgnoringCase(path("desktop.ini")));
    for (const char* name : {"Desktop.INI", "Desktop.INI", "a"}) {
        EXPECT_TRUE(files.setHidden(path(name)));
    }
    EXPECT_EQ(files.read(path(".hidden")), "a\r\nb\nDesktop.INI\n");
}

// What runs must be this user's alone (a world-writable folder and a pipe are
// shown end to end): a folder keeps the program's files, start-up script and
// all, only when neither group nor others may write it and it is not the
// download folder; a script is opened only if no one else may write it, and
// never through a link.
TEST(LocalFiles, TrustsToRunOnlyWhatIsThisUsersAlone) {
    QTemporaryDir root; // this user's alone
    const std::string at = root.path().toStdString(), dl = at + "/Downloads";
    LocalFiles files;
    ASSERT_TRUE(files.write(at + "/s", "") && files.write(at + "/g", "") &&
                fs::create_directory(dl));
    fs::create_symlink(at + "/s", at + "/link");
    fs::permissions(at + "/g", fs::perms(0620));
    EXPECT_TRUE(files.openScript(at + "/g") < 0 && files.openScript(at + "/link") < 0);
    EXPECT_TRUE(keepsItsOwnFiles(at, dl) && !keepsItsOwnFiles(dl + "/", dl));
    fs::permissions(at, fs::perms(0720));
    EXPECT_FALSE(keepsItsOwnFiles(at, dl));
}

// Only web pages and mail are handed to the desktop.
TEST(DesktopShell, OpensOnlyWebAndMailAddresses) {
    std::string opened;
    for (const char* url : {"http://e.org/", "HTTPS://e.org/a?b", "mailto:a@e.org", "http:e.org",
                            "file:///etc/passwd", "javascript:x", "/app/setup.bat"}) {
        opened += DesktopShell::opens(QUrl(url, QUrl::StrictMode)) ? 'y' : 'n';
    }
    EXPECT_EQ(opened, "yyynnnn");
}

// The about animation comes under limits of its own, far below the archive's.
TEST(QtHttp, TheAboutAnimationHasLimitsOfItsOwn) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QByteArray body;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* client = server.nextPendingConnection();
        QObject::connect(client, &QTcpSocket::readyRead, [&body, client] {
            client->readAll(); // a request: the body answers it
            client->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\n\r\n" + body);
        });
    });
    const std::string url = "http://127.0.0.1:" + std::to_string(server.serverPort()) + "/a";
    QtHttp http;
    for (auto [size, arrives] : {std::pair{256 << 10, true}, {(256 << 10) + 1, false}}) {
        body.fill('x', size);
        std::optional<bool> arrived;
        http.getBytesLater(url, [&](std::optional<std::string> answer) { arrived = !!answer; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return arrived == arrives; }, 5000)) << size;
    }
    EXPECT_TRUE(http.getBytes(url));
}

TEST(FlockInstance, TheFirstCopyHoldsTheLockUntilItEnds) {
    const std::string executable = "/kc-test/" + std::to_string(::getpid());
    auto first = std::make_unique<FlockInstance>(executable);
    EXPECT_FALSE(first->anotherRunning());
    EXPECT_TRUE(FlockInstance(executable).anotherRunning());
    first.reset();
    EXPECT_FALSE(FlockInstance(executable).anotherRunning());
}

// The entry goes into the system's autostart folder, or the user's when that
// cannot be made; clearing takes it from both.
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
    autoStart.clear();
    EXPECT_FALSE(files.exists(system) || files.exists(user));
    qputenv("XDG_CONFIG_HOME", home);
    qputenv("XDG_CONFIG_DIRS", dirs);
}
