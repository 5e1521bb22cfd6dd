#include "platform/own_file.h"

#include <unistd.h>

bool onlyThisUserWrites(const struct stat& status) {
    return status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}
