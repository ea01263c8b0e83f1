#include "data/Resources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;

// An installation tree: <root>/bin for the executable, <root>/share/rv52n for its files.
class ResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() / ("rv-resources-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "share/rv52n");
    }
    void TearDown() override { fs::remove_all(root_); }
    void touch(const fs::path& p) { std::ofstream(root_ / p) << "x"; }
    std::string bin() const { return (root_ / "bin").string(); }

    fs::path root_;
};

TEST_F(ResourcesTest, BesideTheExecutableWinsOverTheInstalledCopy) {
    touch("share/rv52n/dec.tbl");
    EXPECT_EQ(rv::FindResource(bin(), "dec.tbl"), (root_ / "share/rv52n/dec.tbl").string());
    EXPECT_EQ(rv::FindResource(bin() + "/", "dec.tbl"), (root_ / "share/rv52n/dec.tbl").string());
    touch("bin/dec.tbl");
    EXPECT_EQ(rv::FindResource(bin(), "dec.tbl"), (root_ / "bin/dec.tbl").string());
}

TEST_F(ResourcesTest, MissingEverywhereNamesThePlaceBesideTheExecutable) {
    EXPECT_EQ(rv::FindResource(bin(), "dec.tbl"), (root_ / "bin/dec.tbl").string());
    // A folder of that name in the data folder is no file.
    fs::create_directories(root_ / "share/rv52n/help.html");
    EXPECT_EQ(rv::FindResource(bin(), "help.html"), (root_ / "bin/help.html").string());
    EXPECT_EQ(rv::FindResource("", "dec.tbl"), "dec.tbl");
}

} // namespace
