// The registry stand-in: registry.ini in the Windows directory, one section
// per key path ("[HKEY_LOCAL_MACHINE\SOFTWARE\...]") with NAME=value lines.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ombrel {

inline constexpr uint32_t kHkeyLocalMachine = 0x80000002U;

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The value's text, or nothing when the key has no such value.
  virtual std::optional<std::string> QueryValue(const std::string& name) const = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Nothing when the key does not exist or cannot be read; the access mask is
  // accepted and not checked.
  virtual std::unique_ptr<RegistryKey> OpenKey(uint32_t root, const std::string& keyName,
                                               uint32_t accessMask) = 0;
};

// The registry read from registry.ini in the given folder.
std::unique_ptr<Registry> CreateIniRegistry(const std::string& windowsDirectory);

}  // namespace ombrel
