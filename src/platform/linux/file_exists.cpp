#include "platform/file_exists.h"

#include <sys/stat.h>

bool IsExistingFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
