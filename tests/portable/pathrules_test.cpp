#include <gtest/gtest.h>

#include <string>

#include "filebrowser/shell/PathRules.h"

namespace {

using namespace std::string_literals;

TEST(TrailingBackslash, EnsureAddsExactlyOne) {
  std::string out = "untouched";
  EnsureTrailingBackslash("C:", out);
  EXPECT_EQ(out, "C:\\");
  EnsureTrailingBackslash("C:\\", out);
  EXPECT_EQ(out, "C:\\");
  EnsureTrailingBackslash("C:\\Texts\\\\", out);
  EXPECT_EQ(out, "C:\\Texts\\\\");
  EnsureTrailingBackslash("C:\\Texts", out);
  EXPECT_EQ(out, "C:\\Texts\\");
}

TEST(TrailingBackslash, EnsureOnEmptyLeavesTheOutput) {
  std::string out = "kept";
  EnsureTrailingBackslash("", out);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(WithTrailingBackslash(""), "");
  EXPECT_EQ(WithTrailingBackslash("D:\\x"), "D:\\x\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\x\\"), "D:\\x\\");
}

TEST(TrailingBackslash, EnsureIntoItself) {
  std::string path = "C:\\Texts";
  EnsureTrailingBackslash(path, path);
  EXPECT_EQ(path, "C:\\Texts\\");
}

TEST(TrailingBackslash, StripRemovesOnlyOne) {
  EXPECT_EQ(StripTrailingBackslash("C:\\"), "C:");
  EXPECT_EQ(StripTrailingBackslash("C:\\Texts\\\\"), "C:\\Texts\\");
  EXPECT_EQ(StripTrailingBackslash("C:\\Texts"), "C:\\Texts");
  EXPECT_EQ(StripTrailingBackslash(""), "");
  EXPECT_EQ(StripTrailingBackslash("\\"), "");
}

TEST(CombinePath, FolderGetsABackslashBeforeTheName) {
  std::string out;
  CombinePath("C:\\Texts", "notes.txt", out);
  EXPECT_EQ(out, "C:\\Texts\\notes.txt");
  CombinePath("C:\\", "New Folder", out);
  EXPECT_EQ(out, "C:\\New Folder");
}

TEST(CombinePath, EmptyFolderOrNameLeavesTheOutput) {
  std::string out = "previous";
  CombinePath("", "notes.txt", out);
  EXPECT_EQ(out, "previous");
  CombinePath("C:\\Texts", "", out);
  EXPECT_EQ(out, "previous");
}

TEST(CombinePath, OutputMayBeAnArgument) {
  std::string folder = "C:\\Texts";
  CombinePath(folder, "a.txt", folder);
  EXPECT_EQ(folder, "C:\\Texts\\a.txt");
  std::string name = "b.txt";
  CombinePath("D:", name, name);
  EXPECT_EQ(name, "D:\\b.txt");
}

TEST(AppendListTerminator, OneNulUnlessEmptyOrAlreadyThere) {
  EXPECT_EQ(AppendListTerminator(""), "");
  EXPECT_EQ(AppendListTerminator("C:\\a.txt"), "C:\\a.txt\0"s);
  EXPECT_EQ(AppendListTerminator("C:\\a.txt\0"s), "C:\\a.txt\0"s);
}

TEST(AppendListTerminator, ConcatenatedPathsFormADoubleNulList) {
  const std::string list = AppendListTerminator("C:\\a.txt") + AppendListTerminator("C:\\b c.txt");
  // Handed over as a NUL-terminated buffer: c_str() supplies the closing NUL.
  const char* p = list.c_str();
  std::string first(p);
  p += first.size() + 1;
  std::string second(p);
  p += second.size() + 1;
  EXPECT_EQ(first, "C:\\a.txt");
  EXPECT_EQ(second, "C:\\b c.txt");
  EXPECT_EQ(*p, '\0');  // the empty entry that ends the list
  EXPECT_EQ(list.size() + 1, first.size() + second.size() + 3);
}

TEST(ContainsAnyChar, ByCharacter) {
  const std::string invalid = "\\*?/=\"<>|:,;+^";
  EXPECT_FALSE(ContainsAnyChar("", invalid));
  EXPECT_FALSE(ContainsAnyChar("New Folder", invalid));
  EXPECT_TRUE(ContainsAnyChar("a?b", invalid));
  EXPECT_TRUE(ContainsAnyChar("^", invalid));
  EXPECT_FALSE(ContainsAnyChar("abc", ""));
}

TEST(ContainsAnyChar, MultiByteCharactersMatchWhole) {
  // U+00E9 (C3 A9) and U+00A9 (C2 A9) share their last byte.
  EXPECT_FALSE(ContainsAnyChar("\xC2\xA9", "\xC3\xA9"));
  EXPECT_TRUE(ContainsAnyChar("caf\xC3\xA9", "x\xC3\xA9"));
  EXPECT_FALSE(ContainsAnyChar("\xC3\xA9", "\xA9"));
  // A stray byte still compares as itself.
  EXPECT_TRUE(ContainsAnyChar("a\xA9", "\xA9"));
}

TEST(SizeToKBText, WholeKilobytesWithEveryNonEmptyFileAtLeastOne) {
  EXPECT_EQ(SizeToKBText("file", 0), "0 KB");
  EXPECT_EQ(SizeToKBText("file", 1), "1 KB");
  EXPECT_EQ(SizeToKBText("file", 1023), "1 KB");
  EXPECT_EQ(SizeToKBText("file", 1024), "1 KB");
  EXPECT_EQ(SizeToKBText("file", 1025), "1 KB");
  EXPECT_EQ(SizeToKBText("file", 2047), "1 KB");
  EXPECT_EQ(SizeToKBText("file", 2048), "2 KB");
  EXPECT_EQ(SizeToKBText("file", 1048576), "1024 KB");
  EXPECT_EQ(SizeToKBText("file", 5LL * 1024 * 1024 * 1024), "5242880 KB");
}

TEST(SizeToKBText, FoldersInAnyCaseGiveOneSpace) {
  EXPECT_EQ(SizeToKBText("dir", 0), " ");
  EXPECT_EQ(SizeToKBText("DIR", 4096), " ");
  EXPECT_EQ(SizeToKBText("Dir", 1048576), " ");
  EXPECT_EQ(SizeToKBText("drv", 2048), "2 KB");
  EXPECT_EQ(SizeToKBText("dirs", 2048), "2 KB");
}

TEST(FileNameParts, NameAfterTheLastBackslashOrColon) {
  EXPECT_EQ(ExtractFileName("C:\\Texts\\notes.txt"), "notes.txt");
  EXPECT_EQ(ExtractFileName("C:notes.txt"), "notes.txt");
  EXPECT_EQ(ExtractFileName("notes.txt"), "notes.txt");
  EXPECT_EQ(ExtractFileName("C:\\Texts\\"), "");
  EXPECT_EQ(ExtractFilePath("C:\\Texts\\notes.txt"), "C:\\Texts\\");
  EXPECT_EQ(ExtractFilePath("C:notes.txt"), "C:");
  EXPECT_EQ(ExtractFilePath("notes.txt"), "");
}

TEST(FileNameParts, ExtensionFromTheLastDotOfTheName) {
  EXPECT_EQ(ExtractFileExt("notes.txt"), ".txt");
  EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileExt("README"), "");
  EXPECT_EQ(ExtractFileExt(".profile"), ".profile");
  EXPECT_EQ(ExtractFileExt("file."), ".");
  // A dot in a folder name is no extension of the file.
  EXPECT_EQ(ExtractFileExt("C:\\v1.2\\README"), "");
}

TEST(FileNameWithoutExt, DropsTheLastExtensionOnly) {
  EXPECT_EQ(FileNameWithoutExt("C:\\Texts\\a.txt.txt"), "a.txt");
  EXPECT_EQ(FileNameWithoutExt("C:\\Texts\\archive.tar.gz"), "archive.tar");
  EXPECT_EQ(FileNameWithoutExt("C:\\Texts\\README"), "README");
  EXPECT_EQ(FileNameWithoutExt("C:\\Users\\me\\.profile"), "");
  EXPECT_EQ(FileNameWithoutExt("C:\\v1.2\\README"), "README");
  // The extension text also occurring earlier in the name stays there.
  EXPECT_EQ(FileNameWithoutExt("x.gz.tar.gz"), "x.gz.tar");
  EXPECT_EQ(FileNameWithoutExt("a.b.a.b"), "a.b.a");
}

}  // namespace
