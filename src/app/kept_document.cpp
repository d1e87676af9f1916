#include "app/kept_document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

void ReportKeptDocument(const std::string& documentFile, const std::string& reason) {
    std::cerr << "stampadoc: " << documentFile << " kept: " << reason << std::endl;
}

bool DeletePrintedDocument(const std::string& documentFile) {
    if (std::remove(documentFile.c_str()) == 0)
        return true;
    const std::string cause = std::strerror(errno);
    std::cerr << "stampadoc: " << documentFile << " printed but not deleted (" << cause
              << "): the next run would print it again" << std::endl;
    return false;
}
