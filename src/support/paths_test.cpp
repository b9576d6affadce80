#include "support/paths.h"

#include <gtest/gtest.h>

namespace support {
namespace {

const std::string kSep(1, kPathSeparator);

// Builds a native path from one written with "/".
std::string Native(std::string path) { return ToNativeSeparators(path); }

TEST(Paths, TrailingSeparatorAddedOnceAndRemovedOnce) {
  EXPECT_EQ(EnsureTrailingSeparator("a"), "a" + kSep);
  EXPECT_EQ(EnsureTrailingSeparator("a" + kSep), "a" + kSep);
  EXPECT_EQ(EnsureTrailingSeparator(""), "");
  EXPECT_EQ(RemoveTrailingSeparator("a" + kSep + kSep), "a" + kSep);
  EXPECT_EQ(RemoveTrailingSeparator("a"), "a");
  EXPECT_EQ(RemoveTrailingSeparator(""), "");
}

TEST(Paths, JoinTakesEitherSeparatorInTheRelativePart) {
  EXPECT_EQ(JoinPath("root", "Data\\Files1\\"), Native("root/Data/Files1/"));
  EXPECT_EQ(JoinPath("root" + kSep, "Data/予定.kdf"), Native("root/Data/予定.kdf"));
  EXPECT_EQ(JoinPath("", "x"), "x");
}

struct TrailingCase {
  const char* text;
  char ch;
  const char* ensured;
  const char* removed;
};

class TrailingChar : public testing::TestWithParam<TrailingCase> {};

TEST_P(TrailingChar, TrimsThenAddsOrDrops) {
  EXPECT_EQ(EnsureTrailingChar(GetParam().text, GetParam().ch), GetParam().ensured);
  EXPECT_EQ(RemoveTrailingChar(GetParam().text, GetParam().ch), GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(All, TrailingChar,
                         testing::Values(TrailingCase{"C:\\Data", '\\', "C:\\Data\\", "C:\\Data"},
                                         TrailingCase{"C:\\Data\\", '\\', "C:\\Data\\", "C:\\Data"},
                                         TrailingCase{"  C:\\予定 \t", '\\', "C:\\予定\\", "C:\\予定"},
                                         TrailingCase{"   ", '\\', "", ""},
                                         TrailingCase{"", '\\', "", ""},
                                         TrailingCase{"abc", ' ', "abc", "abc"},
                                         TrailingCase{"a\\\\ ", '\\', "a\\\\", "a\\"}));

struct KeyCase {
  const char* path;
  const char* key;
  const char* decoded;
};

class FolderKey : public testing::TestWithParam<KeyCase> {};

TEST_P(FolderKey, EncodesWindowsFormAndDecodesBack) {
  EXPECT_EQ(EncodeFolderKey(GetParam().path), GetParam().key);
  EXPECT_EQ(DecodeFolderKey(GetParam().key), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    All, FolderKey,
    testing::Values(
        KeyCase{"C:\\Program Files\\Velda\\", "C-_PF_Velda", "C:\\Program Files\\Velda\\"},
        KeyCase{"\\\\SERVER\\Share\\Velda\\", "Net_SERVER_Share_Velda", "\\\\SERVER\\Share\\Velda\\"},
        KeyCase{"C:\\My Data\\v1.2", "C-_My_S_Data_v1_D_2", "C:\\My Data\\v1.2\\"},
        KeyCase{"C:\\Documents and Settings\\taro\\AppFiles\\", "C-_DS_taro_AppFiles",
                "C:\\Documents and Settings\\taro\\AppFiles\\"},
        KeyCase{"D:\\Program Files\\Common Files\\Bren\\", "D-_PFCF_Bren",
                "D:\\Program Files\\Common Files\\Bren\\"},
        KeyCase{"C:\\楓帳\\", "C-_楓帳", "C:\\楓帳\\"},
        // Case-sensitive tokens: a lower-case "program files" is spelled out.
        KeyCase{"C:\\program files\\V\\", "C-_program_S_files_V", "C:\\program files\\V\\"},
        // Not a bijection: "-" and "_" in a name come back as ":" and "\".
        KeyCase{"D:\\my-data_1\\", "D-_my-data_1", "D:\\my:data\\1\\"}));

#ifndef _WIN32
TEST(FolderKey, NativePathsFlattenToo) {
  EXPECT_EQ(EncodeFolderKey("/home/taro/Velda/"), "_home_taro_Velda");
}
#endif

struct FolderPartsCase {
  std::string path;
  std::string last;
  std::string parent;
};

class FolderParts : public testing::TestWithParam<FolderPartsCase> {};

TEST_P(FolderParts, SplitAtTheLastSeparator) {
  EXPECT_EQ(LastFolderName(GetParam().path), GetParam().last);
  EXPECT_EQ(ParentPart(GetParam().path), GetParam().parent);
}

INSTANTIATE_TEST_SUITE_P(
    All, FolderParts,
    testing::Values(FolderPartsCase{Native("/x/Velda/Data/"), "Data", Native("/x/Velda")},
                    FolderPartsCase{Native("/x/Velda/楓帳"), "楓帳", Native("/x/Velda")},
                    FolderPartsCase{"Velda", "Velda", ""},
                    FolderPartsCase{"", "", ""}));

TEST(FolderParts, FullPathNeedsFiveBytesAndARoot) {
  EXPECT_TRUE(IsFullFolderPath("C:\\Data"));
  EXPECT_TRUE(IsFullFolderPath("\\\\SV\\s"));
  EXPECT_FALSE(IsFullFolderPath("C:\\a"));
  EXPECT_FALSE(IsFullFolderPath("Data\\Files1"));
  EXPECT_EQ(IsFullFolderPath("/home/x"), kPathSeparator == '/');
}

}  // namespace
}  // namespace support
