#pragma once

#include <string>

// Windows names with "\" as separator turned into the "/" form the rest of the program handles
// (Windows' own functions take both).
inline std::string WithForwardSlashes(std::string path) {
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}
