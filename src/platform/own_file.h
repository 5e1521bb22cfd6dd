#pragma once

#include <sys/stat.h>

// Whether the file or folder `status` describes is this user's alone: theirs
// (root's for root), and neither its group nor others may write to it. Only
// such a thing is trusted to hold what the program runs.
bool onlyThisUserWrites(const struct stat& status);
