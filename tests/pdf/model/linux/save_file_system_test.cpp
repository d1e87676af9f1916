// Saving against the Linux file system: a disk that fills up midway, permissions, symbolic links.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "pdf/model/file_writer.h"
#include "pdf/model/writer_support.h"
#include "pdf/toolkit.h"

namespace {

using pdftest::DirectoryEntries;
using pdftest::ReadFileBytes;
using pdftest::ScratchDirectory;
using pdftest::WriteFileBytes;

TEST(SaveFailures, WriteErrorMidwayNeverReplacesExistingFile) {
    ScratchDirectory dir;
    std::filesystem::path target = dir / "archive.pdf";
    WriteFileBytes(target, "earlier documents");
    std::string bytes(200000, 'x');
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The disk "fills up" after 4096 bytes of the new file.
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            4096, 4096
        };
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteFileAtomically(target.string(), bytes) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported as success";
    EXPECT_EQ(ReadFileBytes(target), "earlier documents");
    EXPECT_EQ(DirectoryEntries(dir.path), std::vector<std::string>{"archive.pdf"});
}

TEST(SaveReplaces, ExistingFileReplacedWithItsPermissions) {
    ScratchDirectory dir;
    std::filesystem::path target = dir / "archive.pdf";
    WriteFileBytes(target, "old");
    ::chmod(target.c_str(), 0640);
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.SaveToFile(target.string()), 1);
    EXPECT_EQ(ReadFileBytes(target).substr(0, 8), "%PDF-1.4");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(DirectoryEntries(dir.path), std::vector<std::string>{"archive.pdf"});
}

TEST(SaveReplaces, SymbolicLinkIsWrittenThrough) {
    ScratchDirectory dir;
    WriteFileBytes(dir / "real.pdf", "old");
    std::filesystem::create_symlink(dir / "real.pdf", dir / "link.pdf");
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.SaveToFile((dir / "link.pdf").string()), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.pdf"));
    EXPECT_EQ(ReadFileBytes(dir / "real.pdf").substr(0, 8), "%PDF-1.4");
}

} // namespace
