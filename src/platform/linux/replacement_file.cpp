#include "platform/replacement_file.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/mapped_file.h"
#include "platform/replacement_names.h"

using namespace replacement_names;

ReplacementFile::~ReplacementFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        ::unlink(temporary_.c_str());
    }
}

bool ReplacementFile::Create(const std::string& target) {
    if (target.empty() || descriptor_ >= 0)
        return false;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return false;
    const SplitPath path = Split(target);
    for (int attempt = 0; attempt < 16 && descriptor_ < 0; ++attempt) {
        temporary_ = JoinPath(path.folder, TemporaryName(path.name));
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && errno != EEXIST)
            return false;
    }
    if (descriptor_ < 0)
        return false;
    target_ = target;
    if (exists) {
        // The owner and group where allowed (a change of owner clears set-id bits: the mode comes after).
        if (::fchown(descriptor_, existing.st_uid, existing.st_gid) != 0 &&
            ::fchown(descriptor_, static_cast<uid_t>(-1), existing.st_gid) != 0) {
            // Not allowed: the file keeps this user's group.
        }
        if (::fchmod(descriptor_, existing.st_mode & 07777) != 0)
            failed_ = true;
    }
    buffer_.reserve(kBufferSize);
    return !failed_;
}

bool ReplacementFile::WriteOut(const char* data, std::size_t length) {
    while (length > 0 && !failed_) {
        const ssize_t done = ::write(descriptor_, data, length);
        if (done < 0) {
            if (errno != EINTR)
                failed_ = true;
            continue;
        }
        data += done;
        length -= static_cast<std::size_t>(done);
        written_ += static_cast<uint64_t>(done);
    }
    return !failed_;
}

bool ReplacementFile::CopyFrom(const MappedFile& source, uint64_t offset, uint64_t length) {
    const std::string_view bytes = source.Bytes();
    if (offset > bytes.size() || length > bytes.size() - offset)
        return false;
    if (length < kBufferSize || source.Descriptor() < 0) {
        const bool ok = Write(bytes.substr(offset, length));
        source.Visited(length);
        return ok;
    }
    if (!Flush())
        return false;
    auto from = static_cast<off64_t>(offset);
    while (length > 0) {
        const ssize_t done = ::copy_file_range(source.Descriptor(), &from, descriptor_, nullptr, length, 0);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            // No copy between these files (or the source shrank): write the mapped bytes instead.
            const auto at = static_cast<std::size_t>(from);
            const bool ok = WriteOut(bytes.data() + at, static_cast<std::size_t>(length));
            source.ReleaseMemory();
            return ok;
        }
        length -= static_cast<uint64_t>(done);
        written_ += static_cast<uint64_t>(done);
    }
    return true;
}

bool ReplacementFile::Commit() {
    if (descriptor_ < 0 || !Flush() || ::fsync(descriptor_) != 0)
        return false;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ::unlink(temporary_.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int folder = ::open(Split(target_).folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool synced = ::fsync(folder) == 0;
    return (::close(folder) == 0) && synced;
}

void RemoveAbandonedReplacements(const std::string& target) {
    const SplitPath path = Split(target);
    DIR* folder = ::opendir(path.folder.c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string entryName = entry->d_name;
        if (IsTemporaryName(entryName, path.name))
            ::unlink(JoinPath(path.folder, entryName).c_str());
    }
    ::closedir(folder);
}
