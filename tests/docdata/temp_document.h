#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "support/process_id.h"

// A document file written into the test's temporary folder from numbered lines; deleted afterwards.
class TempDocument {
public:
    TempDocument() {
        static int counter = 0;
        path = ::testing::TempDir() + "stampadoc_doc_" + std::to_string(CurrentProcessId()) + "_" +
               std::to_string(++counter) + ".txt";
    }
    ~TempDocument() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    TempDocument(const TempDocument&) = delete;
    TempDocument& operator=(const TempDocument&) = delete;

    // Sets line number (from 1) to the given raw text.
    TempDocument& Line(int number, const std::string& text) {
        lines[number] = text;
        return *this;
    }

    // Writes lines 1 to the highest line set (missing ones empty), each ended by CR LF.
    const std::string& Write() {
        std::string content;
        const int last = lines.empty() ? 0 : lines.rbegin()->first;
        for (int n = 1; n <= last; ++n) {
            auto found = lines.find(n);
            if (found != lines.end())
                content += found->second;
            content += "\r\n";
        }
        return WriteRaw(content);
    }

    // Writes the bytes exactly as given.
    const std::string& WriteRaw(const std::string& content) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        return path;
    }

    const std::string& Path() const { return path; }

private:
    std::string path;
    std::map<int, std::string> lines;
};
