#pragma once

#include <string>

// True when the path names an existing regular file (symbolic links followed). Directories, devices and
// pipes are not files to read: a pipe or a device such as /dev/zero would never end.
bool IsExistingFile(const std::string& path);
