#include "services/file_utils.h"

#include <sys/stat.h>

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

TEST(CanReadFileTest, IsTrueOnlyForARegularFileThatOpens) {
  TempDir dir;
  const std::string file = dir.Write("photo.jpg", "bytes");
  const std::string empty = dir.Write("empty.txt", "");
  std::filesystem::create_directories(dir.File("folder"));
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  struct Case {
    std::string what, path;
    bool expected;
  };
  const Case cases[] = {
      {"a file", file, true},
      {"an empty file", empty, true},
      {"a folder", dir.File("folder"), false},
      {"a folder with a trailing separator", dir.str() + "folder/", false},
      {"a missing file", dir.File("missing.jpg"), false},
      {"a file inside a missing folder", dir.File("none/photo.jpg"), false},
      {"a file used as a folder", file + "/x", false},
      {"a FIFO (must not hang)", fifo, false},
      {"an empty path", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CanReadFile(c.path), c.expected);
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
