// picoran-map versions: a map's kept versions from the folder --folder names, newest first.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ToolTestSupport.h"
#include "files/FileAccess.h"
#include "map/core/VersionRules.h"

namespace {

using tool_test::Lines;
using tool_test::RunTool;
using tool_test::ScratchFolder;
using tool_test::WriteText;

TEST(VersionsCommand, ListsTheMapsVersionsNewestFirstWithDateSizeAndPath) {
    ScratchFolder scratch;
    const std::string folder = scratch / "versions";
    std::filesystem::create_directory(folder);
    const std::string map = files::FullPath(scratch / "maps/stage1.bin");
    const std::string elsewhere = files::FullPath(scratch / "old/stage1.bin");
    const ClockTime early{2026, 12, 10, 9, 0, 0};
    const ClockTime late{2026, 12, 10, 15, 30, 12};
    WriteText(folder + "/" + VersionName(map, early, 1), "early");
    WriteText(folder + "/" + VersionName(map, late, 1), "late, longer");
    WriteText(folder + "/" + VersionName(map, late, 2), "later");
    WriteText(folder + "/" + VersionName(elsewhere, late, 1), "another map of the same name");
    WriteText(folder + "/notes.txt", "not a version");

    // The map named from the working folder, through a relative path with "..".
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(scratch / "");
    const tool_test::ToolRun run = RunTool({"versions", "--folder", folder, "old/../maps/stage1.bin"});
    std::filesystem::current_path(here);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), std::vector<std::string>({
                                  "2026-12-10 15:30:12  5  " + folder + "/" + VersionName(map, late, 2),
                                  "2026-12-10 15:30:12  12  " + folder + "/" + VersionName(map, late, 1),
                                  "2026-12-10 09:00:00  5  " + folder + "/" + VersionName(map, early, 1),
                              }));
    EXPECT_EQ(run.err, "");
}

TEST(VersionsCommand, TakesTheWindowsPathTheEditorSawAsItIs) {
    ScratchFolder scratch;
    const std::string folder = scratch / "versions";
    std::filesystem::create_directory(folder);
    const std::string windowsPath = "Z:\\home\\designer\\maps\\stage1.bin";
    const std::string name = VersionName(windowsPath, {2026, 1, 2, 3, 4, 5}, 1);
    WriteText(folder + "/" + name, "12345678");
    const tool_test::ToolRun run = RunTool({"versions", "--folder=" + folder, "z:/HOME/designer/maps/stage1.bin"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2026-01-02 03:04:05  8  " + folder + "/" + name + "\n");
}

TEST(VersionsCommand, SaysSoWhenThereAreNoneOrNoFolder) {
    ScratchFolder scratch;
    tool_test::ToolRun run = RunTool({"versions", "--folder", scratch / "none", "/maps/stage1.bin"});
    EXPECT_EQ(run.status, 0);  // a map that was never replaced has none: that is no trouble
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "picoran-map versions: no versions of /maps/stage1.bin in " + (scratch / "none") + "\n");

    WriteText(scratch / "file", "a file, not a folder");
    run = RunTool({"versions", "--folder", scratch / "file", "/maps/stage1.bin"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot read the folder"), std::string::npos) << run.err;

    // Only Windows has the editor's folder: elsewhere it must be named.
    run = RunTool({"versions", "/maps/stage1.bin"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--folder DIR"), std::string::npos) << run.err;
    EXPECT_EQ(RunTool({"versions", "--folder", scratch / "none"}).status, 2);
}

}  // namespace
