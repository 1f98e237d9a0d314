// The POSIX half of the file functions; the editor's and the tool's tests under Wine hold
// the Windows half to the same.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/FileAccess.h"

namespace {

class FileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/picoran-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static std::vector<uint8_t> Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string dir_;
};

TEST_F(FileAccess, CreatesAndReplacesLeavingNoTemporaryFile) {
    const std::string path = dir_ + "/map.bin";
    std::string error;
    ASSERT_TRUE(files::ReplaceFileContents(path, {1, 2, 3}, error)) << error;
    EXPECT_EQ(Contents(path), std::vector<uint8_t>({1, 2, 3}));

    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(files::ReplaceFileContents(path, {9}, error)) << error;
    EXPECT_EQ(Contents(path), std::vector<uint8_t>({9}));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);  // a replaced file keeps its permissions
    EXPECT_EQ(Names(), std::vector<std::string>({"map.bin"}));
}

TEST_F(FileAccess, FailureLeavesTargetAndFolderAsTheyWere) {
    // A folder cannot be replaced by a file: the rename, the last step, fails.
    const std::string folder = dir_ + "/taken";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    std::string error;
    EXPECT_FALSE(files::ReplaceFileContents(folder, {1, 2}, error));
    EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(Names(), std::vector<std::string>({"taken"}));

    error.clear();
    EXPECT_FALSE(files::ReplaceFileContents(dir_ + "/missing/map.bin", {1}, error));
    EXPECT_NE(error.find("temporary"), std::string::npos) << error;
}

TEST_F(FileAccess, ReadsWholeFilesUpToTheLimit) {
    const std::string path = dir_ + "/map.bin";
    std::ofstream(path, std::ios::binary) << "12345";
    std::vector<uint8_t> bytes;
    std::string reason;
    EXPECT_EQ(files::ReadWholeFile(path, 5, bytes, reason), files::ReadStatus::kRead);
    EXPECT_EQ(bytes, std::vector<uint8_t>({'1', '2', '3', '4', '5'}));
    EXPECT_EQ(files::ReadWholeFile(path, 4, bytes, reason), files::ReadStatus::kTooLarge);
    EXPECT_EQ(reason, "file is larger than 4 bytes");
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(files::ReadWholeFile(dir_ + "/none", 5, bytes, reason), files::ReadStatus::kCannotRead);
}

TEST_F(FileAccess, MakesAFolderOnceAndTellsAMissingFileFromAnUnreadableOne) {
    const std::string folder = dir_ + "/program";
    std::string reason;
    EXPECT_TRUE(files::MakeFolder(folder, reason)) << reason;
    EXPECT_TRUE(files::MakeFolder(folder, reason)) << reason;  // already there
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::ofstream(dir_ + "/file") << "x";
    EXPECT_FALSE(files::MakeFolder(dir_ + "/file", reason));  // a file is in the way
    EXPECT_FALSE(files::MakeFolder(dir_ + "/none/program", reason));
    EXPECT_NE(reason.find("none/program"), std::string::npos) << reason;

    EXPECT_TRUE(files::FileIsMissing(dir_ + "/gone.bin"));
    EXPECT_TRUE(files::FileIsMissing(dir_ + "/none/gone.bin"));
    EXPECT_TRUE(files::FileIsMissing(dir_ + "/file/gone.bin"));  // a file where a folder should be
    EXPECT_FALSE(files::FileIsMissing(dir_ + "/file"));
    EXPECT_FALSE(files::FileIsMissing(folder));
}

TEST_F(FileAccess, ListsTheFilesOfAFolderAndRemovesThem) {
    std::ofstream(dir_ + "/a.bin") << "12345";
    std::ofstream(dir_ + "/b.recovery") << "";
    ASSERT_EQ(mkdir((dir_ + "/versions").c_str(), 0755), 0);  // a folder is no file
    std::vector<files::FolderEntry> found;
    std::string reason;
    ASSERT_TRUE(files::ListFiles(dir_, found, reason)) << reason;
    std::sort(found.begin(), found.end(),
              [](const files::FolderEntry& a, const files::FolderEntry& b) { return a.name < b.name; });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "a.bin");
    EXPECT_EQ(found[0].size, 5u);
    EXPECT_EQ(found[1].name, "b.recovery");
    EXPECT_EQ(found[1].size, 0u);
    ASSERT_TRUE(files::ListFiles(dir_ + "/none", found, reason));  // nothing there: empty
    EXPECT_TRUE(found.empty());
    EXPECT_FALSE(files::ListFiles(dir_ + "/a.bin", found, reason));

    EXPECT_TRUE(files::RemoveFile(dir_ + "/a.bin", reason)) << reason;
    EXPECT_TRUE(files::RemoveFile(dir_ + "/a.bin", reason)) << reason;  // gone already
    EXPECT_FALSE(files::RemoveFile(dir_ + "/versions", reason));
    EXPECT_EQ(Names().size(), 2u);
}

// Another opening of the file stands for another process: flock tells them apart.
TEST_F(FileAccess, ALockFileIsHeldUntilReleasedAndThenGone) {
    const std::string path = dir_ + "/session.lock";
    EXPECT_FALSE(files::LockFileIsHeld(path));
    std::string reason;
    {
        files::LockFile lock;
        ASSERT_TRUE(lock.Create(path, reason)) << reason;
        EXPECT_TRUE(lock.IsHeld());
        EXPECT_TRUE(files::LockFileIsHeld(path));
        EXPECT_TRUE(files::LockFileIsHeld(path));  // asking twice does not take it over
        files::LockFile second;
        EXPECT_FALSE(second.Create(path, reason));  // it exists
        EXPECT_FALSE(second.IsHeld());
        lock.Release();
        EXPECT_FALSE(lock.IsHeld());
        EXPECT_FALSE(files::LockFileIsHeld(path));
        EXPECT_TRUE(Names().empty());
        ASSERT_TRUE(lock.Create(path, reason)) << reason;
    }
    EXPECT_TRUE(Names().empty());  // the destructor releases it too

    // What a power cut leaves: the file, held by nobody.
    std::ofstream(path) << "";
    EXPECT_FALSE(files::LockFileIsHeld(path));
}

TEST_F(FileAccess, FullPathsAndJoinedPaths) {
    EXPECT_EQ(files::JoinPath("/a/b", "c.bin"), "/a/b/c.bin");
    EXPECT_EQ(files::JoinPath("/a/b/", "c.bin"), "/a/b/c.bin");
    EXPECT_EQ(files::JoinPath("", "c.bin"), "c.bin");
    EXPECT_EQ(files::FullPath("/a/./b//../c.bin"), "/a/c.bin");
    EXPECT_EQ(files::FullPath("/../a"), "/a");
    EXPECT_EQ(files::FullPath("/"), "/");
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(files::FullPath("maps/../stage.bin"), here + "/stage.bin");
    EXPECT_EQ(files::LocalAppDataFolder(), "");  // Windows only
}

}  // namespace
