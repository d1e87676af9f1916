#pragma once

#include <string>

// Full path of the running executable (the target of /proc/self/exe); empty when it cannot be read.
std::string ExecutablePath();
