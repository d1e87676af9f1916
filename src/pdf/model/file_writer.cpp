#include "pdf/model/file_writer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "pdf/model/document.h"
#include "pdf/model/md5.h"
#include "pdf/model/number.h"

namespace {

struct XrefEntry {
    int64_t offset = 0;
    int32_t generation = 0;
    bool inUse = false;
};

// Trailer keys that describe the loaded file's own cross-reference data; the file written has its own
// single table, so they would point into nothing.
bool IsCrossReferenceKey(const std::string& key) {
    return key == "Prev" || key == "XRefStm" || key == "Type" || key == "W" || key == "Index" ||
           key == "Filter" || key == "DecodeParms" || key == "Length";
}

// Text of a never-parsed object of the loaded file, as it stands there.
std::string_view LoadedObjectText(const TPDFDocument& document, const TPDFIndObj& record) {
    const std::string& bytes = document.fileBytes;
    if (record.offset < 0 || static_cast<uint64_t>(record.offset) >= bytes.size() || record.length <= 0)
        return {};
    auto start = static_cast<std::size_t>(record.offset);
    std::size_t length = std::min(static_cast<std::size_t>(record.length), bytes.size() - start);
    return std::string_view(bytes).substr(start, length);
}

void WriteObject(std::string& out, const TPDFIndObj& record, const TPDFObject& value, int precision,
                 bool perLine) {
    out += std::to_string(record.number);
    out += ' ';
    out += std::to_string(record.generation < 0 ? 0 : record.generation);
    out += " obj\n";
    value.Serialize(out, precision, perLine);
    if (out.back() != '\n')
        out += '\n';
    out += "endobj\n";
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string SerializeDocument(TPDFDocument& document) {
    const int precision = document.structure.Precision();
    const bool perLine = document.structure.dictionaryPerLine;
    std::string out = "%PDF-" + document.version + "\n";
    out += "%\xE2\xE3\xCF\xD3\n";

    std::vector<XrefEntry> entries(static_cast<std::size_t>(document.HighestObjectNumber()) + 1);
    entries[0].generation = 65535;

    // Index loop: parsing an object on demand may not add records, but stay safe if it does.
    for (std::size_t i = 0; i < document.objects.size(); ++i) {
        TPDFIndObj& record = *document.objects[i];
        if (record.number <= 0 || static_cast<std::size_t>(record.number) >= entries.size())
            continue;
        std::size_t start = out.size();
        if (record.parsed && record.value) {
            WriteObject(out, record, *record.value, precision, perLine);
        } else if (record.objectStreamNumber == 0 && !LoadedObjectText(document, record).empty()) {
            out += LoadedObjectText(document, record);
            if (out.back() != '\n' && out.back() != '\r')
                out += '\n';
        } else if (TPDFObject* value = document.ObjectValue(record.number)) {
            // Objects of an object stream are written out as ordinary objects.
            WriteObject(out, record, *value, precision, perLine);
        }
        XrefEntry& entry = entries[static_cast<std::size_t>(record.number)];
        if (out.size() == start) {
            entry = XrefEntry{};
            continue;
        }
        entry.offset = static_cast<int64_t>(start);
        entry.generation = record.generation < 0 ? 0 : record.generation;
        entry.inUse = true;
    }

    std::size_t xrefOffset = out.size();
    out += "xref\n0 ";
    out += std::to_string(entries.size());
    out += '\n';
    for (const XrefEntry& entry : entries) {
        out += FormatPaddedInteger(entry.offset, 10);
        out += ' ';
        out += FormatPaddedInteger(entry.generation, 5);
        out += entry.inUse ? " n \n" : " f \n";
    }

    TPDFDictionary trailer;
    TPDFNumeric size(static_cast<double>(entries.size()));
    for (const TPDFDictionary::Entry& entry : document.trailer->entries) {
        if (IsCrossReferenceKey(entry.key.bytes))
            continue;
        trailer.Set(entry.key.bytes, entry.value);
    }
    trailer.Set("Size", &size);
    out += "trailer\n";
    trailer.Serialize(out, precision, perLine);
    out += "startxref\n";
    out += std::to_string(xrefOffset);
    out += "\n%%EOF\n";
    return out;
}

bool WriteFileAtomically(const std::string& fileName, const std::string& bytes) {
    if (fileName.empty())
        return false;
    // Write through a symbolic link to the file it names, as a plain overwrite would.
    std::string target = fileName;
    struct stat linkInfo {};
    if (::lstat(fileName.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(fileName.c_str(), resolved))
            return false;
        target = resolved;
    }
    struct stat existing {};
    bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return false;

    std::random_device random;
    std::string temporary = target + ".~" + MD5Hex(std::to_string(random()) + target).substr(0, 8) + ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    if (exists)
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
