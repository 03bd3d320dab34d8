#include "platform/settings/registry.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

constexpr uint32_t kAccessMask = 0x2003F;

TEST(IniRegistry, OpensKeysAndReadsValues) {
  TempDir windir;
  windir.Write("registry.ini",
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
               "PATH=/usr/bin/sysinfo\n"
               "[hkey_local_machine\\software\\microsoft\\shared tools location]\n"
               "MSINFO = /opt/msinfo\n");
  auto registry = CreateIniRegistry(windir.path().string());

  auto key = registry->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", kAccessMask);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->QueryValue("PATH"), "/usr/bin/sysinfo");
  EXPECT_EQ(key->QueryValue("path"), "/usr/bin/sysinfo");
  EXPECT_EQ(key->QueryValue("MISSING"), std::nullopt);

  auto location = registry->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", 0);
  ASSERT_NE(location, nullptr);
  EXPECT_EQ(location->QueryValue("MSINFO"), "/opt/msinfo");

  EXPECT_EQ(registry->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Nothing", kAccessMask), nullptr);
  EXPECT_EQ(registry->OpenKey(0x80000001U, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", kAccessMask),
            nullptr);
}

TEST(IniRegistry, NoFileMeansNoKey) {
  TempDir windir;
  auto registry = CreateIniRegistry(windir.path().string());
  EXPECT_EQ(registry->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", kAccessMask),
            nullptr);
}

}  // namespace
}  // namespace ombrel
