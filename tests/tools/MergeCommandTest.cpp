#include <stdio.h>

#include "ToolTestSupport.h"
#include "map/core/MergeConflictsFile.h"

namespace {

using namespace tool_test;

// Base, ours, theirs of 3 x 2 cells, each side painting a cell and setting the target time; merged.
std::vector<MapDocument> ThreeMaps(int32_t oursTime, int32_t theirsTime) {
    std::vector<MapDocument> maps(4, EmptyMap(3, 2));
    maps[1].layer1Ids[0] = maps[3].layer1Ids[0] = 2, maps[2].layer1Ids[1] = maps[3].layer1Ids[1] = 4;
    maps[1].targetTime = maps[3].targetTime = oursTime, maps[2].targetTime = theirsTime;
    return maps;
}

TEST(MergeCommand, CleanMergeRemovesTheConflictsOfTheOneBefore) {
    ScratchFolder folder;
    const std::vector<MapDocument> maps = ThreeMaps(20, 10);
    const std::string base = folder / "base.bin", ours = folder / "ours.bin", theirs = folder / "theirs.bin";
    WriteMap(base, maps[0]), WriteMap(ours, maps[1]), WriteMap(theirs, maps[2]);
    WriteText(folder / "merged.bin.conflicts.json", "{}");
    const ToolRun run = RunTool({"merge", base, ours, theirs, "-o", folder / "merged.bin"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(folder / "merged.bin"), WriteBinaryMap(maps[3]));
    EXPECT_TRUE(ReadBytes(folder / "merged.bin.conflicts.json").empty());
    EXPECT_EQ(RunTool({"merge", base, ours, theirs}).status, 2);
}

// A real git merge of two branches that changed one stage, through the driver, in a repository
// of its own with git's user and system configuration kept out.
class GitMergeDriver : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::string repo = folder / "repo", stage = repo + "/stage.bin";

    ToolRun Shell(const std::string& command) {
        const std::string tool = PICORAN_MAP_EXE;
        FILE* pipe = popen(("cd '" + repo + "' && HOME='" + folder / "" + "' GIT_CONFIG_NOSYSTEM=1 PATH='" +
                            tool.substr(0, tool.rfind('/')) + "':\"$PATH\" " + command + " 2>&1").c_str(), "r");
        std::string out;
        for (char buffer[4096]; pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr;) out += buffer;
        const int raw = pipe != nullptr ? pclose(pipe) : -1;
        return ToolRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ""};
    }

    // Commits the base on main, theirs on a branch and ours on main, then merges the branch.
    ToolRun Merge(const std::vector<MapDocument>& maps, const std::string& driver) {
        std::filesystem::create_directories(repo);
        if (Shell("git --version").status != 0) return ToolRun{};
        const std::string git = "git -c user.name=designer -c user.email=designer@example.com ";
        WriteText(repo + "/.gitattributes", "*.bin merge=picoran\n");
        WriteMap(stage, maps[0]);
        EXPECT_EQ(Shell("git init -q -b main && git config merge.picoran.driver '" + driver + "' && git add . && " +
                        git + "commit -qm base && git checkout -qb other").status, 0);
        WriteMap(stage, maps[2]);
        EXPECT_EQ(Shell(git + "commit -qam theirs && git checkout -q main").status, 0);
        WriteMap(stage, maps[1]);
        EXPECT_EQ(Shell(git + "commit -qam ours").status, 0);
        return Shell(git + "merge --no-edit other");
    }
};

TEST_F(GitMergeDriver, MergesChangesToDifferentCells) {
    const std::vector<MapDocument> maps = ThreeMaps(20, 10);
    const ToolRun run = Merge(maps, "picoran-map merge %O %A %B -o %A");
    if (run.status == -1) GTEST_SKIP() << "git is not installed";
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ReadBytes(stage), WriteBinaryMap(maps[3]));
}

TEST_F(GitMergeDriver, LeavesGitsConflictWithTheDriversList) {
    const std::vector<MapDocument> maps = ThreeMaps(20, 30);
    const ToolRun run = Merge(maps, "picoran-map merge %O %A %B -o %A --conflicts %P.conflicts.json");
    if (run.status == -1) GTEST_SKIP() << "git is not installed";
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("conflict: target time: base 10; ours 20; theirs 30\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1 conflict, ours kept; listed in stage.bin.conflicts.json\n"), std::string::npos);
    EXPECT_NE(run.out.find("CONFLICT (content): Merge conflict in stage.bin"), std::string::npos);
    EXPECT_EQ(ReadBytes(stage), WriteBinaryMap(maps[3]));
    const std::vector<uint8_t> text = ReadBytes(stage + ".conflicts.json");
    MergeConflicts read;
    std::string error;
    ASSERT_TRUE(MergeConflictsFromJson(std::string(text.begin(), text.end()), 120, 80, read, error)) << error;
    EXPECT_EQ(read.fields, std::vector<MergeField>{MergeField::kTargetTime});
}

}  // namespace
