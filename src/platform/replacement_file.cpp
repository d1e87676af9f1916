#include "platform/replacement_file.h"

#include "platform/replacement_names.h"

using namespace replacement_names;

bool ReplacementFile::Flush() {
    if (buffer_.empty())
        return !failed_;
    const bool ok = WriteOut(buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok;
}

bool ReplacementFile::Write(std::string_view bytes) {
    if (failed_ || descriptor_ < 0)
        return false;
    if (buffer_.size() + bytes.size() > kBufferSize) {
        if (!Flush())
            return false;
        if (bytes.size() >= kBufferSize)
            return WriteOut(bytes.data(), bytes.size());
    }
    buffer_.append(bytes);
    return true;
}
