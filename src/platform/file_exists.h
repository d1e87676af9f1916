#pragma once

#include <string>

// True when the path names an existing file that is not a directory (symbolic links followed).
bool IsExistingFile(const std::string& path);
