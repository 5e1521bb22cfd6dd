#include "fakes/fake_files.h"
#include "platform/local_files.h"
#include "platform/xdg_auto_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Points the desktop's standard locations at a temporary folder for one test.
struct XdgFolders {
    XdgFolders() {
        qputenv("XDG_CONFIG_HOME", (root.path() + "/home/.config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (root.path() + "/etc/xdg:" + root.path() + "/other").toUtf8());
    }
    ~XdgFolders() {
        qputenv("XDG_CONFIG_HOME", home);
        qputenv("XDG_CONFIG_DIRS", dirs);
    }

    // Where the entry lies in the system's or the user's autostart folder.
    QString systemEntry() const { return root.path() + "/etc/xdg/autostart/" + entryName(); }
    QString userEntry() const { return root.path() + "/home/.config/autostart/" + entryName(); }
    static QString entryName() {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".desktop";
    }

    const QByteArray home = qgetenv("XDG_CONFIG_HOME");
    const QByteArray dirs = qgetenv("XDG_CONFIG_DIRS");
    QTemporaryDir root;
};

} // namespace

TEST(XdgAutoStart, SetsTheSystemEntryAndClearsBoth) {
    XdgFolders folders;
    LocalFiles files;
    XdgAutoStart autoStart = XdgAutoStart::fromStandardLocations(files);
    autoStart.set();
    EXPECT_FALSE(QFile::exists(folders.userEntry()));
    QFile entry(folders.systemEntry());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains(
        "\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {folders.systemEntry()}), 0);

    // An entry the user's folder still holds from earlier goes as well.
    QFile stray(folders.userEntry());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(stray).path()) && stray.open(QIODevice::WriteOnly));
    stray.close();
    autoStart.clear();
    EXPECT_FALSE(QFile::exists(folders.systemEntry()) || QFile::exists(folders.userEntry()));
    autoStart.clear(); // nothing left to clear is no error
}

TEST(XdgAutoStart, FallsBackToTheUsersFolder) {
    XdgFolders folders;
    // The system folder cannot be made: a file stands in its way.
    QFile blocker(folders.root.path() + "/etc");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LocalFiles files;
    XdgAutoStart autoStart = XdgAutoStart::fromStandardLocations(files);
    autoStart.set();
    EXPECT_TRUE(QFile::exists(folders.userEntry()));
    autoStart.clear();
    EXPECT_FALSE(QFile::exists(folders.userEntry()));
}

TEST(XdgAutoStart, TheEntryRunsTheExecutableByItsOwnName) {
    XdgFolders folders;
    FakeFiles files;
    files.folder = "/opt/k c%";
    files.extension = ".bin";
    XdgAutoStart::fromStandardLocations(files).set();
    ASSERT_EQ(files.contents.size(), 1u);
    EXPECT_NE(files.contents.begin()->second.find("\nExec=\"/opt/k c%%/kickoff-clock.bin\"\n"),
              std::string::npos);
}
