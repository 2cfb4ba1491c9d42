#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "base/pathutil.h"
#include "support/testutil.h"

using namespace tonewright;

TEST(PathUtilTest, SplitsNamesAndExtensions) {
    EXPECT_EQ(LastPathComponent("/a/b/c.wav"), "c.wav");
    EXPECT_EQ(LastPathComponent("c.wav"), "c.wav");
    EXPECT_EQ(FolderOf("/a/b/c.wav"), "/a/b/");
    EXPECT_EQ(FolderOf("c.wav"), "");
    EXPECT_EQ(PathExtension("/x/y.z/archive.tar.gz"), ".gz");
    EXPECT_EQ(PathExtension("/x/y.z/noext"), "");
    EXPECT_EQ(PathExtension("/x/.hidden"), "");
    EXPECT_EQ(StripExtension("/m/x.tar.gz"), "/m/x.tar");
    EXPECT_EQ(StripExtension("/m.d/song"), "/m.d/song");
    EXPECT_EQ(AsciiLower("ÄB.MP3"), "Äb.mp3");
}

TEST(PathUtilTest, CreatesFolderChainsAndRefusesFilesInTheWay) {
    testutil::TempDir dir;
    EXPECT_TRUE(CreateFolderChain(dir.file("a/b//c/")));
    EXPECT_TRUE(IsFolder(dir.file("a/b/c")));
    EXPECT_TRUE(EnsureFolder(dir.file("a/b/c"), false));
    EXPECT_FALSE(EnsureFolder(dir.file("new"), false));
    testutil::WriteBytes(dir.file("file"), {1});
    EXPECT_FALSE(CreateFolderChain(dir.file("file/sub")));
    EXPECT_FALSE(CreateFolderChain(dir.file("file")));
}

TEST(PathUtilTest, SameFileSeesThroughLinks) {
    testutil::TempDir dir;
    testutil::WriteBytes(dir.file("a.wav"), {1, 2});
    ASSERT_EQ(symlink(dir.file("a.wav").c_str(), dir.file("link.wav").c_str()), 0);
    ASSERT_EQ(link(dir.file("a.wav").c_str(), dir.file("hard.wav").c_str()), 0);
    testutil::WriteBytes(dir.file("b.wav"), {1, 2});
    EXPECT_TRUE(SameFile(dir.file("a.wav"), dir.file("link.wav")));
    EXPECT_TRUE(SameFile(dir.file("a.wav"), dir.file("hard.wav")));
    EXPECT_FALSE(SameFile(dir.file("a.wav"), dir.file("b.wav")));
    EXPECT_EQ(AbsoluteCleanPath(dir.path() + "/x/../a.wav"), dir.file("a.wav"));

    // "link/.." leaves the folder the link names, not the one that holds the link.
    ASSERT_TRUE(CreateFolderChain(dir.file("elsewhere/folder/sub")));
    testutil::WriteBytes(dir.file("elsewhere/a.wav"), {3});
    ASSERT_EQ(symlink("elsewhere/folder", dir.file("link").c_str()), 0);
    const std::string elsewhere = std::filesystem::canonical(dir.file("elsewhere")).string();
    EXPECT_EQ(AbsoluteCleanPath(dir.file("link/../a.wav")), elsewhere + "/a.wav");
    EXPECT_EQ(AbsoluteCleanPath(dir.file("link/sub/../../a.wav")), elsewhere + "/a.wav");
    EXPECT_EQ(AbsoluteCleanPath(dir.file("link/./sub/..//")), dir.file("link")) << "no link before the \"..\"";
}
