#include "platform/replacement_file.h"

#include <windows.h>

#include "platform/mapped_file.h"
#include "platform/replacement_names.h"

using namespace replacement_names;

// The temporary file's handle is kept as the descriptor, in the 32 bits Windows guarantees a handle to fit.

ReplacementFile::~ReplacementFile() {
    if (descriptor_ >= 0) {
        CloseHandle(LongToHandle(descriptor_));
        DeleteFileA(temporary_.c_str());
    }
}

bool ReplacementFile::Create(const std::string& target) {
    if (target.empty() || descriptor_ >= 0)
        return false;
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY)) != 0)
        return false;
    const SplitPath path = Split(target);
    for (int attempt = 0; attempt < 16 && descriptor_ < 0; ++attempt) {
        temporary_ = JoinPath(path.folder, TemporaryName(path.name));
        HANDLE file = CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            descriptor_ = HandleToLong(file);
        else if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (descriptor_ < 0)
        return false;
    target_ = target;
    buffer_.reserve(kBufferSize);
    return true;
}

bool ReplacementFile::WriteOut(const char* data, std::size_t length) {
    while (length > 0 && !failed_) {
        const DWORD chunk = length > 0x40000000 ? 0x40000000 : static_cast<DWORD>(length);
        DWORD done = 0;
        if (!WriteFile(LongToHandle(descriptor_), data, chunk, &done, nullptr) || done == 0) {
            failed_ = true;
            break;
        }
        data += done;
        length -= done;
        written_ += done;
    }
    return !failed_;
}

bool ReplacementFile::CopyFrom(const MappedFile& source, uint64_t offset, uint64_t length) {
    const std::string_view bytes = source.Bytes();
    if (offset > bytes.size() || length > bytes.size() - offset)
        return false;
    bool ok = true;
    // Large copies go out in pieces, each piece's pages given back once written.
    while (ok && length > 0) {
        const std::size_t piece =
            length > kBufferSize * 16 ? kBufferSize * 16 : static_cast<std::size_t>(length);
        ok = Write(bytes.substr(static_cast<std::size_t>(offset), piece));
        source.Visited(piece);
        offset += piece;
        length -= piece;
    }
    return ok;
}

namespace {

bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Windows will not replace a file that is mapped (the archive being appended to is), but renames it: the
// old file is moved aside, the new one takes its name, and the old one is deleted (at once, or when its
// last handle closes). Should the second step fail, the old file gets its name back.
bool ReplaceFileInUse(const std::string& temporary, const std::string& target) {
    const SplitPath path = Split(target);
    std::string aside;
    for (int attempt = 0; attempt < 16; ++attempt) {
        aside = JoinPath(path.folder, AsideName(path.name));
        if (MoveFileExA(target.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            return false;
        aside.clear();
    }
    if (aside.empty())
        return false;
    if (!MoveOver(temporary, target)) {
        MoveFileExA(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        return false;
    }
    // A name left behind (the file still open elsewhere) goes with the next save's clean-up.
    DeleteFileA(aside.c_str());
    return true;
}

} // namespace

bool ReplacementFile::Commit() {
    if (descriptor_ < 0 || !Flush() || !FlushFileBuffers(LongToHandle(descriptor_)))
        return false;
    HANDLE file = LongToHandle(descriptor_);
    descriptor_ = -1;
    // The new file shows as the target's, not hidden; the rename is written through to disk.
    const bool replaced =
        CloseHandle(file) && SetFileAttributesA(temporary_.c_str(), FILE_ATTRIBUTE_NORMAL) &&
        (MoveOver(temporary_, target_) || (GetFileAttributesA(target_.c_str()) != INVALID_FILE_ATTRIBUTES &&
                                           ReplaceFileInUse(temporary_, target_)));
    if (!replaced)
        DeleteFileA(temporary_.c_str());
    return replaced;
}

// An old file moved aside whose target is missing is the file itself, left by a save interrupted between
// its two renames: it gets its name back. Other leftovers are deleted.
void RemoveAbandonedReplacements(const std::string& target) {
    const SplitPath path = Split(target);
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA(JoinPath(path.folder, "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string entryName = entry.cFileName;
        const std::string full = JoinPath(path.folder, entryName);
        if (IsAsideName(entryName, path.name) &&
            GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES)
            MoveFileExA(full.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        else if (IsTemporaryName(entryName, path.name) || IsAsideName(entryName, path.name))
            DeleteFileA(full.c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}
