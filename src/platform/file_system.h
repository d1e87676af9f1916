#pragma once

#include <string>

// What the archive code asks of the file system. Paths use "/" as separator on every platform.

// True when the path names a folder that can be entered.
bool IsEnterableFolder(const std::string& path);
// True when a directory entry of that name exists, even a link that leads nowhere.
bool HasDirectoryEntry(const std::string& path);
// True when the path exists and is not a regular file (a folder, a device, a pipe).
bool IsNonRegularFile(const std::string& path);
// Creates one folder; true when it was made or already exists.
bool MakeFolder(const std::string& path);
// The absolute path with every link and "." or ".." resolved, "/" as separator; empty when the path
// does not exist or cannot be resolved.
std::string CanonicalPath(const std::string& path);
// The file a name stands for: a symbolic link is followed to the file it names, any other name is
// answered as it is. Empty when a link leads nowhere.
std::string LinkedFileName(const std::string& path);
// The folder for temporary files, ending in "/".
std::string TemporaryFolder();
// The name as the system's other programs expect it: with "\" as separator on Windows (a PDF viewer is
// handed the file this way), unchanged elsewhere.
std::string NativeFileName(const std::string& path);
