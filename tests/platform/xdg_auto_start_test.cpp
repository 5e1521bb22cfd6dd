#include "platform/local_files.h"
#include "platform/xdg_auto_start.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString entryName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".desktop";
}

bool hasEntry(const QString& folder) {
    return QFile::exists(folder + "/" + entryName());
}

QByteArray entryIn(const QString& folder) {
    QFile file(folder + "/" + entryName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points the desktop's standard locations at a temporary folder for one test.
class XdgFolders {
public:
    XdgFolders()
        : home_(qgetenv("XDG_CONFIG_HOME")), dirs_(qgetenv("XDG_CONFIG_DIRS")),
          system(root.path() + "/etc/xdg"), user(root.path() + "/home/.config") {
        qputenv("XDG_CONFIG_HOME", user.toUtf8());
        qputenv("XDG_CONFIG_DIRS", (system + ":" + root.path() + "/other").toUtf8());
    }
    ~XdgFolders() {
        qputenv("XDG_CONFIG_HOME", home_);
        qputenv("XDG_CONFIG_DIRS", dirs_);
    }

    QTemporaryDir root;

private:
    QByteArray home_;
    QByteArray dirs_;

public:
    const QString system;
    const QString user;
};

} // namespace

TEST(XdgAutoStart, SetsTheSystemEntryAndClearsBoth) {
    XdgFolders folders;
    LocalFiles files;
    XdgAutoStart autoStart = XdgAutoStart::fromStandardLocations(files);
    autoStart.set();
    EXPECT_TRUE(hasEntry(folders.system + "/autostart"));
    EXPECT_FALSE(hasEntry(folders.user + "/autostart"));
    const QByteArray entry = entryIn(folders.system + "/autostart");
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(
        entry.contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));

    // An entry the user's folder still holds from earlier goes as well.
    QFile stray(folders.user + "/autostart/" + entryName());
    ASSERT_TRUE(QDir().mkpath(folders.user + "/autostart") && stray.open(QIODevice::WriteOnly));
    stray.close();
    XdgAutoStart explicitFolders(files, (folders.system + "/autostart").toStdString(),
                                 (folders.user + "/autostart").toStdString());
    explicitFolders.clear();
    EXPECT_FALSE(hasEntry(folders.system + "/autostart"));
    EXPECT_FALSE(hasEntry(folders.user + "/autostart"));
    explicitFolders.clear(); // nothing left to clear is no error
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
    EXPECT_TRUE(hasEntry(folders.user + "/autostart"));
    autoStart.clear();
    EXPECT_FALSE(hasEntry(folders.user + "/autostart"));
}
