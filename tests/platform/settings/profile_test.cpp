#include "platform/settings/profile.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

const std::string kLongValue(300, 'x');

// Written with CRLF line ends, as settings files made on Windows are.
std::string QorIni() {
  const std::string lines[] = {
      "; settings of the converter",
      "Orphan = before any section",
      "[Directories]",
      "DataDir =   /srv/corvana/data   ",
      "Quoted = \"  spaced out  \"",
      "TwoPairs = \"\"inner\"\"",
      "OpenQuote = \"half",
      "Single = 'kept'",
      "Equation = a=b=c",
      "Empty =",
      ";Hidden = commented out",
      "   ; Indented = comment too",
      "NoEqualsSign",
      "DataDir = second key of the same name",
      "Long = " + kLongValue,
      "[  Vendor  ]",
      "KESTR=/opt/kestrov/Kestrov.exe",
      "[DIRECTORIES]",
      "Later = a second section of the same name is not read",
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(ProfileReader, ReadsValuesByTheWindowsRules) {
  TempDir windir;
  ScopedEnv env("WINDIR", windir.path().string());
  windir.Write("qor.ini", QorIni());

  struct Case {
    const char* section;
    const char* key;
    std::string expected;
  } cases[] = {
      {"Directories", "DataDir", "/srv/corvana/data"},          // blanks trimmed, first key wins
      {"directories", "DATADIR", "/srv/corvana/data"},          // section and key case-blind
      {"Directories", "Quoted", "  spaced out  "},              // quotes removed, blanks inside kept
      {"Directories", "TwoPairs", "\"inner\""},                 // one pair only
      {"Directories", "OpenQuote", "\"half"},                   // no pair, nothing removed
      {"Directories", "Single", "'kept'"},                      // single quotes stay
      {"Directories", "Equation", "a=b=c"},                     // after the first '='
      {"Directories", "Empty", ""},                             // empty, not the default
      {"Directories", "Hidden", "DEFAULT"},                     // comment line
      {"Directories", "Indented", "DEFAULT"},                   // comment line after blanks
      {"Directories", "NoEqualsSign", "DEFAULT"},               // not a key line
      {"Directories", "Later", "DEFAULT"},                      // only the first section counts
      {"Directories", "Orphan", "DEFAULT"},                     // line before any section
      {"Vendor", "KESTR", "/opt/kestrov/Kestrov.exe"},          // section name blanks trimmed
      {"Directories", "Long", kLongValue},                      // no 259-character cut
      {"Missing", "DataDir", "DEFAULT"},
      {"Vendor", "Missing", "DEFAULT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "DEFAULT", "QOR.INI"), c.expected);
  }
}

TEST(ProfileReader, FindsTheFileByBareNameOrPath) {
  TempDir windir;
  TempDir elsewhere;
  ScopedEnv env("WINDIR", windir.path().string());
  windir.Write("QOR.INI", "[A]\nk=windir\n");
  const std::string other = elsewhere.Write("Other.ini", "[A]\nk=path\n");

  EXPECT_EQ(GetPrivateProfileString("A", "k", "d", "QOR.INI"), "windir");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "d", "qor.ini"), "windir");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "d", other), "path");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "d", elsewhere.File("OTHER.INI")), "path");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "default", "NOSUCH.INI"), "default");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "default", ""), "default");
}

TEST(ProfileReader, ReadsWindows1252WhenTheFileIsNotUtf8) {
  TempDir windir;
  ScopedEnv env("WINDIR", windir.path().string());
  windir.Write("cp.ini", "[Descriptions]\nUA2=Caf\xE9 \x93quoted\x94\x85\n");
  windir.Write("utf8.ini", "\xEF\xBB\xBF[Descriptions]\nUA2=Caf\xC3\xA9\n");

  EXPECT_EQ(GetPrivateProfileString("Descriptions", "UA2", "", "cp.ini"),
            "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\xE2\x80\xA6");
  EXPECT_EQ(GetPrivateProfileString("Descriptions", "UA2", "", "utf8.ini"), "Caf\xC3\xA9");
}

TEST(ProfileReader, WindowsDirectoryComesFromTheEnvironment) {
  {
    ScopedEnv windir("WINDIR", "/w");
    ScopedEnv config("XDG_CONFIG_HOME", "/x");
    EXPECT_EQ(WindowsDirectory(), "/w");
  }
  {
    ScopedEnv windir("WINDIR", std::nullopt);
    ScopedEnv config("XDG_CONFIG_HOME", "/x");
    EXPECT_EQ(WindowsDirectory(), "/x");
  }
  {
    ScopedEnv windir("WINDIR", std::nullopt);
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(WindowsDirectory(), "/home/someone/.config");
  }
}

}  // namespace
}  // namespace ombrel
