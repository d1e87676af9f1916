#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class MappedFile;

// A file written anew in place of another: the bytes go into a hidden temporary file beside the target,
// which is flushed to disk and renamed over the target only when everything was written, so that a
// failed or interrupted save never replaces an existing file. The replacement keeps the replaced file's
// permission bits, and its owner and group where the user may set them.
class ReplacementFile {
public:
    ReplacementFile() = default;
    // Removes the temporary file unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file for `target`, a path without symbolic links. False when the target
    // exists but is no regular file or may not be written, or the temporary file cannot be created.
    bool Create(const std::string& target);
    // Appends bytes (buffered into large writes).
    bool Write(std::string_view bytes);
    // Appends `length` bytes of `source` from `offset`, copied from file to file where the system can.
    bool CopyFrom(const MappedFile& source, uint64_t offset, uint64_t length);
    // Bytes appended so far.
    uint64_t Size() const { return written_ + buffer_.size(); }
    // Flushes the file to disk, renames it over the target and flushes the folder. False on any failure.
    bool Commit();

private:
    bool Flush();
    bool WriteOut(const char* data, std::size_t length);

    std::string target_;
    std::string temporary_;
    int descriptor_ = -1;
    bool failed_ = false;
    std::string buffer_;
    uint64_t written_ = 0;
};

// Removes the temporary files that saves of `target` interrupted midway (a killed run) left behind.
// Only a run that holds the target's lock may call it: another run's save may be under way otherwise.
void RemoveAbandonedReplacements(const std::string& target);
