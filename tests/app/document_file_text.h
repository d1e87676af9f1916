#pragma once

#include <map>
#include <string>

// The text of a document file: header lines 1 to 98, each `"H"` followed by the given fields (already
// quoted and separated, for example `,"F"`), or `"H"` alone when the map has no entry for the line.
inline std::string DocumentFileText(const std::map<int, std::string>& fields) {
    std::string text;
    for (int line = 1; line <= 98; ++line) {
        const auto found = fields.find(line);
        text += "\"H\"" + (found != fields.end() ? found->second : std::string()) + "\r\n";
    }
    return text;
}
