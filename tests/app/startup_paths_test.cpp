#include "app/startup_paths.h"

#include "platform/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFileName, ExtensionIsReplacedOrAppended) {
    EXPECT_EQ(IniFileNameForExecutable("/nowhere/bin/stampadoc"), "/nowhere/bin/stampadoc.INI");
    EXPECT_EQ(IniFileNameForExecutable("/nowhere/bin/stampadoc.exe"), "/nowhere/bin/stampadoc.INI");
    EXPECT_EQ(IniFileNameForExecutable("/nowhere/v1.2/stampadoc"), "/nowhere/v1.2/stampadoc.INI");
    EXPECT_EQ(IniFileNameForExecutable("/nowhere/a.b.c"), "/nowhere/a.b.INI");
}

TEST(IniFileName, LowerCaseExtensionIsAcceptedBeside) {
    ScratchFolder folder;
    folder.Write("stampadoc.ini", "[a]\n");
    EXPECT_EQ(IniFileNameForExecutable(folder / "stampadoc"), folder / "stampadoc.ini");
}

TEST(IniFileName, UpperCaseExtensionIsPreferred) {
    ScratchFolder folder;
    folder.Write("stampadoc.ini", "[a]\n");
    folder.Write("stampadoc.INI", "[a]\n");
    EXPECT_EQ(IniFileNameForExecutable(folder / "stampadoc"), folder / "stampadoc.INI");
}

TEST(IniFileName, WithoutAnyIniFileTheUpperCaseNameIsGiven) {
    ScratchFolder folder;
    EXPECT_EQ(IniFileNameForExecutable(folder / "stampadoc"), folder / "stampadoc.INI");
}

TEST(HalftoneBitmapPath, BesideTheExecutable) {
    EXPECT_EQ(HalftoneBitmapPathForExecutable("/opt/stampadoc/bin/stampadoc"),
              "/opt/stampadoc/bin/retino.bmp");
    EXPECT_EQ(HalftoneBitmapPathForExecutable("stampadoc"), "retino.bmp");
}

} // namespace
