#include "support/ini.h"

#include <gtest/gtest.h>

namespace support {
namespace {

using Lines = std::vector<std::string>;

const char kSample[] =
    "; written by hand\r\n"
    "[Set]\r\n"
    "Folder=C:\\Velda\\\r\n"
    "  First = 0  \r\n"
    "Quoted=\"a b\"\r\n"
    "Empty=\r\n"
    "NoValue\r\n"
    "folder=second\r\n"
    "\r\n"
    "[Window]\r\n"
    "Left=$1F\r\n"
    "Top=0x10\r\n"
    "Bad=12a\r\n"
    "Flag=-1\r\n"
    "[set]\r\n"
    "Hidden=1\r\n";

TEST(IniText, ReadsWithoutCaseAndFirstWins) {
  const IniText ini = IniText::FromText(kSample);
  EXPECT_EQ(ini.ReadString("SET", "folder", "x"), "C:\\Velda\\");
  EXPECT_EQ(ini.ReadString("Set", "First", "x"), "0");
  EXPECT_EQ(ini.ReadString("Set", "Quoted", "x"), "a b");
  EXPECT_EQ(ini.ReadString("Set", "Empty", "x"), "");
  EXPECT_EQ(ini.ReadString("Set", "NoValue", "x"), "");
  EXPECT_EQ(ini.ReadString("Set", "Hidden", "x"), "x");  // in the second [set]
  EXPECT_EQ(ini.ReadString("Set", "Missing", "x"), "x");
  EXPECT_EQ(ini.ReadString("Nowhere", "Folder", "x"), "x");
  EXPECT_EQ(ini.ReadString("Set", "; written by hand", "x"), "x");
}

TEST(IniText, IntegersAndBoolsAsDelphi) {
  const IniText ini = IniText::FromText(kSample);
  EXPECT_EQ(ini.ReadInteger("Window", "Left", 5), 31);
  EXPECT_EQ(ini.ReadInteger("Window", "Top", 5), 16);
  EXPECT_EQ(ini.ReadInteger("Window", "Bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Window", "Missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool("Window", "Flag", false));
  EXPECT_FALSE(ini.ReadBool("Set", "First", true));
  EXPECT_TRUE(ini.ReadBool("Window", "Bad", true));
  EXPECT_FALSE(ini.ReadBool("Window", "Bad", false));
}

TEST(IniText, UntouchedTextWritesBackUnchanged) {
  EXPECT_EQ(IniText::FromText(kSample).ToText(), kSample);
  EXPECT_EQ(IniText::FromText("a\nb").ToText(), "a\r\nb\r\n");
  EXPECT_EQ(IniText().ToText(), "");
}

TEST(IniText, WritesInPlaceAndAppendsAfterLastKey) {
  IniText ini = IniText::FromText(kSample);
  ini.WriteString("set", "FOLDER", "D:\\Data\\");
  ini.WriteInteger("Set", "Count", -3);
  ini.WriteBool("New", "On", true);
  ini.WriteBool("New", "Off", false);
  const Lines lines = ini.Lines();
  EXPECT_EQ(lines[2], "Folder=D:\\Data\\");  // the spelling of the key as it was
  EXPECT_EQ(lines[8], "Count=-3");  // before the blank line that ends the section
  EXPECT_EQ(lines[9], "");
  EXPECT_EQ((Lines{lines.end() - 3, lines.end()}), (Lines{"[New]", "On=1", "Off=0"}));
  EXPECT_EQ(ini.ReadString("Set", "folder", ""), "D:\\Data\\");
  EXPECT_EQ(ini.ReadInteger("Set", "Count", 0), -3);
  EXPECT_EQ(IniText::FromText(ini.ToText()).Lines(), lines);
}

TEST(IniText, LineBreaksInValuesCannotSplitTheLine) {
  IniText ini;
  ini.WriteString("S", "K", "one\r\ntwo");
  EXPECT_EQ(ini.Lines(), (Lines{"[S]", "K=one  two"}));
}

TEST(IniText, SectionsKeysAndDeletion) {
  IniText ini = IniText::FromText(kSample);
  EXPECT_EQ(ini.Sections(), (Lines{"Set", "Window", "set"}));
  EXPECT_EQ(ini.ReadSection("Set"), (Lines{"Folder", "First", "Quoted", "Empty", "NoValue", "folder"}));
  EXPECT_EQ(ini.ReadSectionValues("Window"), (Lines{"Left=$1F", "Top=0x10", "Bad=12a", "Flag=-1"}));
  EXPECT_TRUE(ini.SectionExists("WINDOW"));
  EXPECT_TRUE(ini.ValueExists("Set", "Empty"));
  EXPECT_FALSE(ini.ValueExists("Set", "Hidden"));

  ini.DeleteKey("Set", "Folder");  // both lines of the duplicate key
  EXPECT_EQ(ini.ReadString("Set", "Folder", "gone"), "gone");
  ini.EraseSection("SET");  // both sections of that name
  EXPECT_EQ(ini.Sections(), Lines{"Window"});
  EXPECT_EQ(ini.Lines().front(), "; written by hand");
  ini.DeleteKey("Nowhere", "x");
  ini.EraseSection("Nowhere");
  EXPECT_EQ(ini.Sections(), Lines{"Window"});
}

TEST(IniText, SetLinesReplacesEverything) {
  IniText ini = IniText::FromText(kSample);
  ini.SetLines({"[A]", "x=1"});
  EXPECT_EQ(ini.Sections(), Lines{"A"});
  EXPECT_EQ(ini.ReadInteger("a", "X", 0), 1);
  EXPECT_EQ(IniText::FromLines({" [ B ] trailing", "k=v"}).ReadString("b", "k", ""), "v");
}

}  // namespace
}  // namespace support
