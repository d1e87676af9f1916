// The small parts of PDF output: the document count, the folder rule, the lock file and the credit line.

#include "app/print_run_support.h"

#include "app/credit_line.h"
#include "app/file_lock.h"
#include "app/pdf_output.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace print_run_test;

namespace {

TEST(DocumentCount, ReadsDecimalIntegers) {
    EXPECT_EQ(ParseDocumentCount("0"), 0);
    EXPECT_EQ(ParseDocumentCount("1"), 1);
    EXPECT_EQ(ParseDocumentCount(" 12 "), 12);
    EXPECT_EQ(ParseDocumentCount("007"), 7);
    EXPECT_EQ(ParseDocumentCount("2147483646"), 2147483646);
}

TEST(DocumentCount, RejectsEverythingElse) {
    EXPECT_FALSE(ParseDocumentCount(""));
    EXPECT_FALSE(ParseDocumentCount("   "));
    EXPECT_FALSE(ParseDocumentCount("due"));
    EXPECT_FALSE(ParseDocumentCount("3a"));
    EXPECT_FALSE(ParseDocumentCount("1.0"));
    EXPECT_FALSE(ParseDocumentCount("1,0"));
    EXPECT_FALSE(ParseDocumentCount("+1"));
    EXPECT_FALSE(ParseDocumentCount("-1"));
    EXPECT_FALSE(ParseDocumentCount("0x10"));
    // One more document must still be countable.
    EXPECT_FALSE(ParseDocumentCount("2147483647"));
    EXPECT_FALSE(ParseDocumentCount("99999999999"));
}

TEST(PdfFolder, FolderPartFollowsTheLastSeparator) {
    EXPECT_EQ(PdfFolderPart("fattura.pdf"), "");
    EXPECT_EQ(PdfFolderPart("out/fattura.pdf"), "out");
    EXPECT_EQ(PdfFolderPart("/srv/archivio/2024/f.pdf"), "/srv/archivio/2024");
    EXPECT_EQ(PdfFolderPart("/f.pdf"), "/");
    EXPECT_EQ(PdfFolderPart("a//f.pdf"), "a//");
    EXPECT_EQ(PdfFolderPart("dir/"), "dir");
}

TEST(PdfFolder, CreatesOneMissingLevel) {
    TempFolder folder;
    EXPECT_TRUE(EnsurePdfFolder(folder / "nuova/f.pdf"));
    struct stat info {};
    ASSERT_EQ(::stat((folder / "nuova").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // Existing folder: nothing to do.
    EXPECT_TRUE(EnsurePdfFolder(folder / "nuova/g.pdf"));
    // Two missing levels are not created.
    EXPECT_FALSE(EnsurePdfFolder(folder / "x/y/f.pdf"));
    EXPECT_FALSE(Exists(folder / "x"));
    // A bare file name lives in the current directory.
    EXPECT_TRUE(EnsurePdfFolder("f.pdf"));
}

TEST(PdfFolder, FileInTheWayIsNoFolder) {
    TempFolder folder;
    WriteFile(folder / "occupato", "x");
    EXPECT_FALSE(EnsurePdfFolder(folder / "occupato/f.pdf"));
    EXPECT_EQ(ReadFile(folder / "occupato"), "x");
}

TEST(PdfLock, LockFileIsHiddenBesideThePdfFile) {
    EXPECT_EQ(PdfLockFileName("/srv/archivio/f.pdf"), "/srv/archivio/.f.pdf.stampadoc-lock");
    EXPECT_EQ(PdfLockFileName("f.pdf"), ".f.pdf.stampadoc-lock");
}

// Every name of one file resolves to the same path; a new file's path goes through its folder's links.
TEST(PdfPath, NamesResolveToTheRealPath) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "reale");
    std::filesystem::create_directory_symlink(folder / "reale", folder / "collegata");
    WriteFile(folder / "reale/a.pdf", "%PDF-1.4");
    std::filesystem::create_symlink(folder / "reale/a.pdf", folder / "b.pdf");
    std::filesystem::create_symlink(folder / "manca.pdf", folder / "rotto.pdf");
    const std::string real = std::filesystem::canonical(folder.path()).string() + "/reale";
    EXPECT_EQ(ResolvedPdfPath(folder / "b.pdf"), real + "/a.pdf");
    EXPECT_EQ(ResolvedPdfPath(folder / "collegata/../collegata/a.pdf"), real + "/a.pdf");
    EXPECT_EQ(ResolvedPdfPath(folder / "collegata/nuovo.pdf"), real + "/nuovo.pdf");
    EXPECT_EQ(ResolvedPdfPath(folder / "rotto.pdf"), "");
    EXPECT_EQ(ResolvedPdfPath(folder / "manca/nuovo.pdf"), "");
}

TEST(PdfLock, LockIsExclusiveUntilReleased) {
    TempFolder folder;
    const std::string path = folder / "f.pdf.lock";
    auto tryLock = [&] {
        const int fd = ::open(path.c_str(), O_RDWR);
        EXPECT_GE(fd, 0);
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return locked;
    };
    {
        const TFileLock lock(path);
        ASSERT_TRUE(lock.held());
        EXPECT_EQ(lock.error(), 0);
        EXPECT_FALSE(tryLock()) << "a second holder must wait";
    }
    EXPECT_TRUE(tryLock());
    // The lock file stays, so that every run locks the same file.
    EXPECT_TRUE(Exists(path));
}

TEST(PdfLock, UnopenableLockFileIsNotHeld) {
    TempFolder folder;
    const TFileLock lock(folder / "manca/f.pdf.lock");
    EXPECT_FALSE(lock.held());
    EXPECT_EQ(lock.error(), ENOENT);
}

TEST(CreditLine, NamesTheMakerTownAndWebAddress) {
    EXPECT_EQ(CreditLine(), "Stampato con Marvendo - Pentacor srl - Padova - www.pentacor.it");
    EXPECT_EQ(CreditLine(), CreditLineText());
}

} // namespace
