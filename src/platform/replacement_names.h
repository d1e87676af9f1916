#pragma once

#include <cstddef>
#include <string>

// Names of the temporary files of a save, the same on every platform.
namespace replacement_names {

// Bytes gathered before they are written out.
inline constexpr std::size_t kBufferSize = std::size_t{1} << 20;

struct SplitPath {
    std::string folder; // "." for a bare name
    std::string name;
};

SplitPath Split(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);
// A new hidden temporary name for a save of `name`: ".NAME.<8 random hex digits>.stampadoc-tmp".
std::string TemporaryName(const std::string& name);
// True when `entry` is a temporary name of a save of `name`.
bool IsTemporaryName(const std::string& entry, const std::string& name);
// Where a system that cannot replace a file in use moves the replaced file aside for a moment:
// ".NAME.<8 random hex digits>.stampadoc-old".
std::string AsideName(const std::string& name);
bool IsAsideName(const std::string& entry, const std::string& name);

} // namespace replacement_names
