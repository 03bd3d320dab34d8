#include "shell/about.h"

#include <optional>

#include "platform/errors/error.h"
#include "platform/files/file_system_object.h"
#include "services/app_title.h"

namespace ombrel {

namespace {

constexpr uint32_t kKeyAllAccess = 0x2003F;
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

// The tool's path as the registry gives it, or nothing.
std::optional<std::string> SysInfoPath(About& about, FileSystemObject* fileSystem) {
  std::string value;
  if (about.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                        value)) {
    return value;
  }
  if (about.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                        "MSINFO", value)) {
    const std::string candidate = value + "/MSINFO32.EXE";
    if (fileSystem != nullptr && fileSystem->FileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace

About::About(Ui& ui, Registry* registry, FileSystemObject* fileSystem,
             std::function<void(const std::string&)> startProgram)
    : ui_(ui),
      registry_(registry),
      fileSystem_(fileSystem),
      startProgram_(std::move(startProgram)) {}

AboutContent About::Form_Load() {
  AboutContent content;
  content.caption = std::string("About ") + kProductName;
  content.title = kProductName;
  content.version = "Version " + std::to_string(OMBREL_VERSION_MAJOR) + "." +
                    std::to_string(OMBREL_VERSION_MINOR) + "." +
                    std::to_string(OMBREL_VERSION_PATCH);
  content.date = "September 13, 2002";
  content.description =
      "Ombrel unpacks envelope files and converts the resulting xml into Corvana report files.";
  content.disclaimer =
      "This program is provided as is, without warranty of any kind. Every report it "
      "prepares must be checked by the appraiser who signs it.";
  return content;
}

void About::Show() {
  ui_.ShowAbout(Form_Load(), [this] { cmdSysInfo_Click(); });
}

void About::StartSysInfo() {
  bool started = false;
  try {
    if (const std::optional<std::string> path = SysInfoPath(*this, fileSystem_)) {
      if (!startProgram_) throw Error::ObjectNotSet(kAppTitle);
      startProgram_(*path);
      started = true;
    }
  } catch (...) {
    // Whatever failed (registry, file test, start), the user gets the one box.
  }
  if (!started) ui_.MessageBox(kUnavailable, MsgButtons::kOk, MsgIcon::kNone, kAppTitle);
}

bool About::GetKeyValue(uint32_t KeyRoot, const std::string& KeyName,
                        const std::string& SubKeyRef, std::string& KeyVal) {
  KeyVal.clear();
  if (registry_ == nullptr) return false;
  const std::unique_ptr<RegistryKey> key = registry_->OpenKey(KeyRoot, KeyName, kKeyAllAccess);
  if (!key) return false;
  std::optional<std::string> value = key->QueryValue(SubKeyRef);
  if (!value) return false;
  if (!value->empty() && value->back() == '\0') value->pop_back();
  KeyVal = *value;
  return true;
}

}  // namespace ombrel
