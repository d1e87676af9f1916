#include "platform/path_case.h"

#include "platform/file_exists.h"
#include "platform/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

std::string UpperAsciiCopy(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

TEST(PathCase, UpperCasedPathNamesTheFileOnDisk) {
    ScratchFolder folder;
    const std::string file = folder.Write("Archivio/fatture/Doc_01.txt", "x");
    // The scratch folder's own name is upper-cased too: every component is looked up.
    const std::string upper = UpperAsciiCopy(file);
    ASSERT_NE(upper, file);
    EXPECT_EQ(ResolvePathCase(upper), file);
    EXPECT_TRUE(IsExistingFile(ResolvePathCase(upper)));
}

TEST(PathCase, BackslashIsASeparator) {
    ScratchFolder folder;
    const std::string file = folder.Write("Archivio/doc.txt", "x");
    EXPECT_EQ(ResolvePathCase(folder.Path() + "\\ARCHIVIO\\DOC.TXT"), file);
    EXPECT_EQ(ResolvePathCase(folder.Path() + "/archivio\\Doc.Txt"), file);
}

TEST(PathCase, ExactSpellingIsPreferredAmongSeveralMatches) {
    ScratchFolder folder;
    folder.Write("Doc.txt", "1");
    const std::string lower = folder.Write("doc.txt", "2");
    folder.Write("DOC.txt", "3");
    EXPECT_EQ(ResolvePathCase(folder / "doc.txt"), lower);
    // Without an exact match the first in byte order is taken ("DOC.txt" < "Doc.txt" < "doc.txt").
    EXPECT_EQ(ResolvePathCase(folder / "DOC.TXT"), folder / "DOC.txt");
}

TEST(PathCase, MissingTailIsKeptAsGiven) {
    ScratchFolder folder;
    folder.Write("Out/keep.txt", "x");
    // An existing folder is resolved, the file still to be created keeps its spelling.
    EXPECT_EQ(ResolvePathCase(folder.Path() + "\\OUT\\NEW.PDF"), folder / "Out/NEW.PDF");
    // Nothing past a missing folder is looked up.
    EXPECT_EQ(ResolvePathCase(folder.Path() + "/NOPE/OUT/X.PDF"), folder / "NOPE/OUT/X.PDF");
}

TEST(PathCase, RepeatedSeparatorsCollapse) {
    ScratchFolder folder;
    const std::string file = folder.Write("a/b.txt", "x");
    EXPECT_EQ(ResolvePathCase(folder.Path() + "//A\\\\B.TXT"), file);
}

TEST(PathCase, RelativePathStaysRelative) {
    ScratchFolder folder;
    folder.Write("Sub/File.Txt", "x");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const std::string resolved = ResolvePathCase("SUB\\FILE.TXT");
    const std::string dotted = ResolvePathCase("./sub/../SUB/file.txt");
    std::filesystem::current_path(before);
    EXPECT_EQ(resolved, "Sub/File.Txt");
    EXPECT_EQ(dotted, "./Sub/../Sub/File.Txt");
}

TEST(PathCase, EmptyPathStaysEmpty) {
    EXPECT_EQ(ResolvePathCase(""), "");
}

TEST(FileExists, DevicesAndPipesAreNoFilesLinksAre) {
    ScratchFolder folder;
    const std::string file = folder.Write("f.txt", "x");
    EXPECT_FALSE(IsExistingFile("/dev/zero"));
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(IsExistingFile(folder / "pipe"));
    std::filesystem::create_symlink(file, folder / "link");
    EXPECT_TRUE(IsExistingFile(folder / "link"));
}

} // namespace
