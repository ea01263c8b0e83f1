#include "../data/Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "link/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using rv::Msg;
using rvtest::RecordingSession;

// A document saved the way the programs save it: beside the target, then renamed over it.
using AtomicSaveTest = rvtest::DocumentFileTest;

TEST_F(AtomicSaveTest, FailedSaveKeepsOldFileAndSavedCopy) {
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("keep.dat")));
    const auto old = Bytes(path("keep.dat"));
    const rv::RadioData saved = r.s.SavedCopy;
    r.s.Doc.KeyFunc1 = 3;
    {
        // A file size limit stops the write for every user, root included (which ignores
        // the folder's modes): the save fails half-way through its data.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
        rlimit small = limit;
        small.rlim_cur = 1000;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool savedAnyway = rv::SaveDataFile(r.s, path("keep.dat"));
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(savedAnyway);
        EXPECT_EQ(Bytes(path("keep.dat")), old);
        EXPECT_EQ(r.s.SavedCopy, saved);
        EXPECT_FALSE(rv::IsUnchanged(r.s));
        EXPECT_EQ(filesInDir(), 1u) << "the half-written copy is left behind";
    }
    // A target that is a folder, or a folder that does not exist, fails the same way.
    EXPECT_FALSE(rv::SaveDataFile(r.s, dir.string()));
    EXPECT_FALSE(rv::SaveDataFile(r.s, path("no/such/folder.dat")));
    EXPECT_EQ(r.s.SavedCopy, saved);
    EXPECT_EQ(Bytes(path("keep.dat")), old);
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicSaveTest, SaveOverLongerFileLeavesExactlyOneRecord) {
    std::ofstream(path("big.dat"), std::ios::binary) << std::string(5000, 'x');
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("big.dat")));
    EXPECT_EQ(fs::file_size(path("big.dat")), 1641u);
}

TEST_F(AtomicSaveTest, SaveOverAFileKeepsItsAccessRights) {
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("p.dat")));
    const auto mode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path("p.dat"), mode);
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("p.dat")));
    EXPECT_EQ(fs::status(path("p.dat")).permissions(), mode);
}

TEST_F(AtomicSaveTest, SaveThroughLinksReachesTheFileTheyName) {
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("real.dat")));
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path("real.dat"), mode);
    // The owner stays too, where the system lets us give the file away (running as root).
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path("real.dat").c_str(), 1, 1), 0);
    }
    fs::create_symlink("real.dat", path("relative.dat"));
    fs::create_symlink(path("relative.dat"), path("chain.dat"));
    r.s.Doc.KeyFunc1 = 3;
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("chain.dat")));
    EXPECT_TRUE(fs::is_symlink(path("chain.dat")) && fs::is_symlink(path("relative.dat")));
    RecordingSession o;
    ASSERT_TRUE(rv::OpenDataFile(o.s, path("real.dat")));
    EXPECT_EQ(o.s.Doc.KeyFunc1, 3);
    EXPECT_EQ(fs::status(path("real.dat")).permissions(), mode);
    struct stat st {};
    ASSERT_EQ(::stat(path("real.dat").c_str(), &st), 0);
    if (root) {
        EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(1u, 1u));
    }
    EXPECT_EQ(filesInDir(), 3u);
}

TEST_F(AtomicSaveTest, ReadOnlyFileIsNotReplaced) {
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("ro.dat")));
    const auto old = Bytes(path("ro.dat"));
    fs::permissions(path("ro.dat"), fs::perms::owner_read | fs::perms::group_read);
    r.s.Doc.KeyFunc1 = 3;
    EXPECT_FALSE(rv::SaveDataFile(r.s, path("ro.dat")));
    EXPECT_EQ(r.messages, std::vector<Msg>{Msg::FileError});
    EXPECT_EQ(r.s.LastFileFault.kind, rv::FileFault::ReadOnlyFile);
    EXPECT_EQ(rv::FileFaultText(r.s.LastFileFault, rv::Chinese), "该文件是只读的。");
    EXPECT_EQ(Bytes(path("ro.dat")), old);
    EXPECT_EQ(fs::status(path("ro.dat")).permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicSaveTest, NextSaveRemovesLeftoversOfAKilledSave) {
    // A save killed between write and rename leaves NAME.tmpNNNNNN; only those of this
    // file go, not another file's nor a name that merely looks alike.
    for (const char* name :
         {"a.dat.tmp123456", "a.dat.tmp42", "a.dat.tmp1234567", "a.dat.tmpx1", "b.dat.tmp123456"})
        std::ofstream(path(name)) << "left over";
    ASSERT_TRUE(rv::SaveDataFile(r.s, path("a.dat")));
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(dir))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"a.dat", "a.dat.tmp1234567", "a.dat.tmpx1",
                                           "b.dat.tmp123456"}));
}

} // namespace
