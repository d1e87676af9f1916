#include "platform/ini_file.h"

#include <fstream>
#include <iterator>

TIniFile::TIniFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return;
    loaded_ = true;
    Parse(text);
}
