#pragma once

#include <string>
#include <string_view>

// Paths arrive from the management product upper-cased and possibly with "\" as separator, as on a
// file system that ignores case. ResolvePathCase turns such a path into the name of the file on disk:
// "\" is read as "/", and each component, from the first, is replaced by the directory entry of the
// same name compared without regard to the case of ASCII letters (an exact match is preferred, then
// the first match in byte order). From the first component that has no match on, the rest of the path
// is kept as given, so the result also names a file still to be created in an existing folder.
// Relative paths stay relative to the current directory. Repeated separators are collapsed.
std::string ResolvePathCase(std::string_view path);
