#include "app/form9.h"

#include "about/desktop_ini.h"
#include "app/form3.h"
#include "app/program.h"
#include "build_config.h"
#include "common/program_path.h"
#include "platform/files.h"
#include "platform/shell.h"

void Form9::Form_Load() {
    Services& services = program_.services();
    const std::string folder = services.files.programFolder();

    // A script left by an installer or patch runs once: it is deleted right
    // after the shell has taken it. One that anybody else could have put or
    // changed there is deleted unrun.
    const std::string script = programFilePath(folder, "setup.bat");
    if (FileExists(script)) {
        const int descriptor = services.files.openScript(script);
        if (descriptor >= 0) {
            services.shell.runScript(descriptor, folder);
            services.shell.openUrl(std::string(BuildConfig::siteUrl) + "/Fixes.html");
        }
        services.files.remove(script);
    }

    // Any letter case of the name counts as present.
    if (!services.files.existsIgnoringCase(programFilePath(folder, "Desktop.ini"))) {
        SetFolderIcon();
    }

    // Creating the hidden controller runs its whole load.
    program_.form3();
}

bool Form9::FileExists(const std::string& sPath) const {
    return program_.services().files.exists(sPath);
}

void Form9::SetFolderIcon() {
    Files& files = program_.services().files;
    const std::string path = programFilePath(files.programFolder(), "desktop.ini");
    // Failures are ignored; a folder that cannot take the file gets another
    // try at the next start.
    files.write(path, desktopIniText(files.executableBaseName()));
    files.setHidden(path);
}
