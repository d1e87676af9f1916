// Hostile document and logo files end quickly and in little memory: the program runs as a child, and the
// processor time and peak memory it used are compared with fixed bounds (with room for the sanitizers).

#include "app/child_run.h"
#include "app/document_file_text.h"
#include "platform/scratch_folder.h"
#include "support/installed_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

constexpr double kCpuSecondsBound = 2.0;
constexpr long kPeakKilobytesBound = 200L * 1024;

struct HostileCase {
    const char* name;
    // Writes the document file (and what it names) into the folder; answers the document file.
    std::function<std::string(const ScratchFolder&)> write;
    bool kept; // the run refuses the document and keeps its file
};

std::string Header(const ScratchFolder& folder, const std::string& lineCount, const std::string& logo = "") {
    return DocumentFileText({{1, ",\"F\""},
                             {89, ",\"" + logo + "\""},
                             {97, ",\"" + folder / "OUT.PDF\""},
                             {98, ",\"" + lineCount + "\""}});
}

class BoundedWork : public ::testing::TestWithParam<HostileCase> {};

TEST_P(BoundedWork, EndsQuicklyInLittleMemory) {
    const HostileCase& c = GetParam();
    const InstalledProgram program("stampadoc");
    ScratchFolder folder;
    const std::string document = c.write(folder);

    // The address sanitizer of the test build holds freed memory back for a while; a small hold keeps the
    // peak the program's own.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const std::string options =
        std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") + ":quarantine_size_mb=8";
    const ChildRun run =
        RunChild(program.path().string(), {"/I=" + document, "/R=66", "/C=1", "/F=101200N0"}, {options}, 60);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_LT(run.cpuSeconds, kCpuSecondsBound);
    EXPECT_LT(run.peakKilobytes, kPeakKilobytesBound);
    EXPECT_EQ(std::filesystem::exists(document), c.kept) << run.errors;
}

INSTANTIATE_TEST_SUITE_P(
    HostileFiles, BoundedWork,
    ::testing::Values(
        // Ten megabytes of empty lines after a line 98 that asks for the most lines a count can hold.
        HostileCase{"HugeLineCountOverEmptyLines",
                    [](const ScratchFolder& folder) {
                        return folder.Write("doc.txt",
                                            Header(folder, "2147483647") + std::string(10 << 20, '\n'));
                    },
                    true},
        HostileCase{"OneLineBeyondTheLimit",
                    [](const ScratchFolder& folder) {
                        std::string lines;
                        for (int i = 0; i < 100001; ++i)
                            lines += "\"A\",\"RIGA\"\n";
                        return folder.Write("doc.txt", Header(folder, "100001") + "\n" + lines);
                    },
                    true},
        // The most document lines a document may have, all of them empty: one page.
        HostileCase{"EmptyLinesUpToTheLimit",
                    [](const ScratchFolder& folder) {
                        return folder.Write("doc.txt", Header(folder, "100000") + std::string(100001, '\n'));
                    },
                    false},
        // One document line of ten megabytes.
        HostileCase{"HugeLine",
                    [](const ScratchFolder& folder) {
                        return folder.Write("doc.txt", Header(folder, "1") + "\n\"A\",\"" +
                                                           std::string(10 << 20, 'X') + "\"\n");
                    },
                    false},
        HostileCase{"TwoGigabyteSparseLogo",
                    [](const ScratchFolder& folder) {
                        const std::string logo = folder.Write("logo.jpg", "");
                        std::filesystem::resize_file(logo, 2ULL << 30);
                        return folder.Write("doc.txt", Header(folder, "1", logo));
                    },
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
