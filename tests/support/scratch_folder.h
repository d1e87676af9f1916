#pragma once

#include <filesystem>
#include <string>

// Creates a new, empty folder under the temporary directory, named `prefix` and a random suffix;
// answers an empty path when none could be made. The caller removes it.
std::filesystem::path NewScratchFolder(const std::string& prefix);
