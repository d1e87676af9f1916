#pragma once

// Runs the independent checkers of the tests (qpdf, poppler's tools, tesseract) through /bin/sh.
// A Linux build runs them directly. A Windows build under Wine starts them as Linux programs, and
// gives them the Linux names of its files; where no Linux side exists, ShellAvailable() is false and
// the tests that need a checker skip.

#include <filesystem>
#include <string>

struct ShellResult {
    int status = -1;    // the command's exit status; -1 when it could not be run
    std::string output; // its standard output
};

// Whether /bin/sh and the tools on the PATH of the Linux side can be run.
bool ShellAvailable();

// Runs a command line of /bin/sh, its standard input empty, and collects its standard output.
ShellResult RunShell(const std::string& command);

// The name under which the Linux tools find a file or folder of ours (it need not exist yet; its
// folder must).
std::string ShellPath(const std::filesystem::path& path);

// ShellPath() quoted for /bin/sh.
std::string ShellQuoted(const std::filesystem::path& path);

// Any text quoted for /bin/sh.
std::string ShellQuotedText(const std::string& text);
