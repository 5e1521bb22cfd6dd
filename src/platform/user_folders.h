#pragma once

#include "platform/local_files.h"

#include <string>
#include <vector>

// Whether the executable's `folder` may hold the program's files, a start-up
// script among them: it is this user's alone (see onlyThisUserWrites), it can
// be written, and it is not the `downloads` folder, where a browser saves
// files unasked.
bool keepsItsOwnFiles(const std::string& folder, const std::string& downloads);

// Where this user's copy of the program keeps its files: beside the
// executable where that folder keeps its own files (a self-contained copy);
// otherwise (a system install, a shared or download folder) in the user's
// configuration folder, with downloads in the user's download folder. Each of
// `carried` that lies beside such an executable and not yet in the user's
// folder is copied there first, so nothing kept beside the program is lost.
FileFolders foldersForThisUser(const std::vector<std::string>& carried);

// Copies each named file from one folder into another that has none of it.
void carryOver(const std::string& from, const std::string& to,
               const std::vector<std::string>& names);
