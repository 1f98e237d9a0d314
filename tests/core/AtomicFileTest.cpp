#ifndef _WIN32
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "map/AtomicFile.h"

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/picoran-atomic-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        for (const std::string& name : Names()) {
            const std::string path = dir_ + "/" + name;
            if (unlink(path.c_str()) != 0) rmdir(path.c_str());
        }
        rmdir(dir_.c_str());
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        if (DIR* d = opendir(dir_.c_str())) {
            while (dirent* e = readdir(d)) {
                const std::string n = e->d_name;
                if (n != "." && n != "..") names.push_back(n);
            }
            closedir(d);
        }
        return names;
    }
    static std::vector<uint8_t> Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string dir_;
};

TEST_F(AtomicFile, CreatesAndReplacesLeavingNoTemporaryFile) {
    const std::string path = dir_ + "/map.bin";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path.c_str(), {1, 2, 3}, error)) << error;
    EXPECT_EQ(Contents(path), std::vector<uint8_t>({1, 2, 3}));

    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path.c_str(), {9}, error)) << error;
    EXPECT_EQ(Contents(path), std::vector<uint8_t>({9}));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);  // a replaced file keeps its permissions
    EXPECT_EQ(Names(), std::vector<std::string>({"map.bin"}));
}

TEST_F(AtomicFile, FailureLeavesTargetAndFolderAsTheyWere) {
    // A folder cannot be replaced by a file: the rename, the last step, fails.
    const std::string folder = dir_ + "/taken";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder.c_str(), {1, 2}, error));
    EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
    struct stat st {};
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(Names(), std::vector<std::string>({"taken"}));

    error.clear();
    EXPECT_FALSE(WriteFileAtomically((dir_ + "/missing/map.bin").c_str(), {1}, error));
    EXPECT_NE(error.find("temporary"), std::string::npos) << error;
}

}  // namespace
#endif  // _WIN32
