#include "platform/settings/registry.h"

#include <utility>

#include "platform/settings/profile_file.h"

namespace ombrel {

namespace {

// The name registry.ini gives a root key in its section names.
const char* RootName(uint32_t root) {
  switch (root) {
    case 0x80000000U: return "HKEY_CLASSES_ROOT";
    case 0x80000001U: return "HKEY_CURRENT_USER";
    case kHkeyLocalMachine: return "HKEY_LOCAL_MACHINE";
    case 0x80000003U: return "HKEY_USERS";
    case 0x80000005U: return "HKEY_CURRENT_CONFIG";
    default: return nullptr;
  }
}

class IniRegistryKey : public RegistryKey {
 public:
  explicit IniRegistryKey(ProfileSection section) : section_(std::move(section)) {}
  std::optional<std::string> QueryValue(const std::string& name) const override {
    return section_.Value(name);
  }

 private:
  ProfileSection section_;
};

class IniRegistry : public Registry {
 public:
  explicit IniRegistry(std::string windowsDirectory) : folder_(std::move(windowsDirectory)) {}

  std::unique_ptr<RegistryKey> OpenKey(uint32_t root, const std::string& keyName,
                                       uint32_t /*accessMask: not checked*/) override {
    const char* rootName = RootName(root);
    if (rootName == nullptr) return nullptr;
    const std::optional<ProfileFile> file =
        ProfileFile::Load(ResolveProfilePath("registry.ini", folder_));
    if (!file) return nullptr;
    const ProfileSection* section = file->FindSection(std::string(rootName) + "\\" + keyName);
    if (section == nullptr) return nullptr;
    return std::make_unique<IniRegistryKey>(*section);
  }

 private:
  std::string folder_;
};

}  // namespace

std::unique_ptr<Registry> CreateIniRegistry(const std::string& windowsDirectory) {
  return std::make_unique<IniRegistry>(windowsDirectory);
}

}  // namespace ombrel
