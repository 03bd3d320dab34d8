#include "services/file_utils.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(AddBackslashTest, AppendsTheSeparatorOnlyToANonEmptyPathThatLacksIt) {
  struct Case {
    std::string path, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"C:", "C:/"},
      {"/data", "/data/"},
      {"/data/", "/data/"},
      {"/x/", "/x/"},
      {"/", "/"},
      {"folder name", "folder name/"},
      {"C:\\x", "C:\\x/"},  // a backslash is a plain character on Linux
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("path \"" + c.path + "\"");
    const std::string before = c.path;
    EXPECT_EQ(AddBackslash(c.path), c.expected);
    EXPECT_EQ(c.path, before);
  }
}

TEST(ReadIniValueTest, ReadsOneTrimmedWholeValueOrNothing) {
  TempDir windir;
  ScopedEnv env("WINDIR", windir.path().string());
  const std::string longDir = "/" + std::string(300, 'd') + "/corvana";
  windir.Write("QOR.INI",
               "[Directories]\r\n"
               "DataDir=  /data/corvana  \r\n"
               "Blank=     \r\n"
               "Empty=\r\n"
               "Long=" + longDir + "\r\n"
               "Inner=a  b\r\n"
               "[Vendor]\r\n"
               "KESTR=/opt/kestrov/Kestrov.exe\r\n");
  windir.Write("OTHER.INI", "[Vendor]\nKESTR=/elsewhere/Kestrov.exe\n");

  struct Case {
    std::string file, section, key, expected;
  };
  const Case cases[] = {
      {"QOR.INI", "Directories", "DataDir", "/data/corvana"},
      {"QOR.INI", "Vendor", "KESTR", "/opt/kestrov/Kestrov.exe"},
      {"qor.ini", "directories", "datadir", "/data/corvana"},
      {"QOR.INI", "Directories", "Blank", ""},
      {"QOR.INI", "Directories", "Empty", ""},
      {"QOR.INI", "Directories", "Long", longDir},  // not cut at 259 characters
      {"QOR.INI", "Directories", "Inner", "a  b"},
      {"QOR.INI", "Directories", "Missing", ""},
      {"QOR.INI", "Missing", "DataDir", ""},
      {"MISSING.INI", "Vendor", "KESTR", ""},
      {"OTHER.INI", "Vendor", "KESTR", "/elsewhere/Kestrov.exe"},
      {"", "Vendor", "KESTR", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + " [" + c.section + "] " + c.key);
    EXPECT_EQ(ReadIniValue(c.file, c.section, c.key), c.expected);
  }
}

}  // namespace
}  // namespace ombrel
