#pragma once

// Runs one of our own built programs (an executable of the target platform) and collects what it
// writes to standard output; standard error is dropped, standard input is empty.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
    int status = -1; // the exit status; -1 when the program could not be started
    std::string output;
};

// `environment` holds variables set for the program only, as name and value; the program starts in
// `workingFolder`, or in the test's current folder when that is empty.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const std::vector<std::pair<std::string, std::string>>& environment = {},
                      const std::filesystem::path& workingFolder = {});

// A built program's file name: `name` with the target platform's executable suffix.
std::string ExecutableFileName(const std::string& name);
