#include "support/zip_size_claim.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace ombrel::testing {

namespace {

constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kDataDescriptorFlag = 0x0008;
constexpr uint16_t kZip64Version = 45;

uint32_t Get(const std::string& bytes, std::size_t at, int width) {
  if (at + static_cast<std::size_t>(width) > bytes.size()) throw std::runtime_error("ZIP archive cut short");
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void Put(std::string& out, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Entry {
  uint16_t versionMadeBy = 0, versionNeeded = 0, flags = 0, method = 0, time = 0, date = 0;
  uint32_t crc = 0, compressedSize = 0;
  uint64_t size = 0;
  uint16_t internalAttributes = 0;
  uint32_t externalAttributes = 0;
  std::string name, data;
};

}  // namespace

std::string WithStatedSize(const std::string& archive, const std::string& entryName, uint64_t statedSize) {
  // The end record: the last signature that leaves room for its 22 bytes.
  std::size_t end = archive.size() < 22 ? std::string::npos : archive.size() - 22;
  while (end != std::string::npos && Get(archive, end, 4) != kEndSignature) {
    end = end == 0 ? std::string::npos : end - 1;
  }
  if (end == std::string::npos) throw std::runtime_error("no end of central directory");
  const uint32_t count = Get(archive, end + 10, 2);
  std::size_t at = Get(archive, end + 16, 4);

  std::vector<Entry> entries;
  bool found = false;
  for (uint32_t i = 0; i < count; ++i) {
    if (Get(archive, at, 4) != kCentralSignature) throw std::runtime_error("bad central directory");
    Entry e;
    e.versionMadeBy = static_cast<uint16_t>(Get(archive, at + 4, 2));
    e.versionNeeded = static_cast<uint16_t>(Get(archive, at + 6, 2));
    e.flags = static_cast<uint16_t>(Get(archive, at + 8, 2) & ~kDataDescriptorFlag);
    e.method = static_cast<uint16_t>(Get(archive, at + 10, 2));
    e.time = static_cast<uint16_t>(Get(archive, at + 12, 2));
    e.date = static_cast<uint16_t>(Get(archive, at + 14, 2));
    e.crc = Get(archive, at + 16, 4);
    e.compressedSize = Get(archive, at + 20, 4);
    e.size = Get(archive, at + 24, 4);
    const uint32_t nameLength = Get(archive, at + 28, 2);
    const uint32_t extraLength = Get(archive, at + 30, 2);
    const uint32_t commentLength = Get(archive, at + 32, 2);
    e.internalAttributes = static_cast<uint16_t>(Get(archive, at + 36, 2));
    e.externalAttributes = Get(archive, at + 38, 4);
    const uint32_t localOffset = Get(archive, at + 42, 4);
    e.name = archive.substr(at + 46, nameLength);
    if (e.compressedSize == 0xFFFFFFFF || e.size == 0xFFFFFFFF || localOffset == 0xFFFFFFFF) {
      throw std::runtime_error("ZIP64 archives are not rewritten");
    }
    at += 46 + nameLength + extraLength + commentLength;

    if (Get(archive, localOffset, 4) != kLocalSignature) throw std::runtime_error("bad local header");
    const std::size_t data = localOffset + 30 + Get(archive, localOffset + 26, 2) + Get(archive, localOffset + 28, 2);
    if (data + e.compressedSize > archive.size()) throw std::runtime_error("entry data cut short");
    e.data = archive.substr(data, e.compressedSize);
    if (e.name == entryName) {
      e.size = statedSize;
      found = true;
    }
    entries.push_back(std::move(e));
  }
  if (!found) throw std::runtime_error("no entry " + entryName);

  // Written again without the old extra fields: a ZIP64 size goes in one of
  // its own, with both sizes in the local header and only the size in the
  // central one, as the format has it.
  std::string out;
  std::vector<std::size_t> offsets;
  for (const Entry& e : entries) {
    const bool zip64 = e.size >= 0xFFFFFFFF;
    offsets.push_back(out.size());
    Put(out, kLocalSignature, 4);
    Put(out, zip64 ? kZip64Version : e.versionNeeded, 2);
    Put(out, e.flags, 2);
    Put(out, e.method, 2);
    Put(out, e.time, 2);
    Put(out, e.date, 2);
    Put(out, e.crc, 4);
    Put(out, zip64 ? 0xFFFFFFFF : e.compressedSize, 4);
    Put(out, zip64 ? 0xFFFFFFFF : e.size, 4);
    Put(out, e.name.size(), 2);
    Put(out, zip64 ? 20 : 0, 2);
    out += e.name;
    if (zip64) {
      Put(out, 0x0001, 2);
      Put(out, 16, 2);
      Put(out, e.size, 8);
      Put(out, e.compressedSize, 8);
    }
    out += e.data;
  }
  const std::size_t directory = out.size();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const bool zip64 = e.size >= 0xFFFFFFFF;
    Put(out, kCentralSignature, 4);
    Put(out, e.versionMadeBy, 2);
    Put(out, zip64 ? kZip64Version : e.versionNeeded, 2);
    Put(out, e.flags, 2);
    Put(out, e.method, 2);
    Put(out, e.time, 2);
    Put(out, e.date, 2);
    Put(out, e.crc, 4);
    Put(out, e.compressedSize, 4);
    Put(out, zip64 ? 0xFFFFFFFF : e.size, 4);
    Put(out, e.name.size(), 2);
    Put(out, zip64 ? 12 : 0, 2);
    Put(out, 0, 2);  // comment
    Put(out, 0, 2);  // disk
    Put(out, e.internalAttributes, 2);
    Put(out, e.externalAttributes, 4);
    Put(out, offsets[i], 4);
    out += e.name;
    if (zip64) {
      Put(out, 0x0001, 2);
      Put(out, 8, 2);
      Put(out, e.size, 8);
    }
  }
  const std::size_t directorySize = out.size() - directory;
  Put(out, kEndSignature, 4);
  Put(out, 0, 2);
  Put(out, 0, 2);
  Put(out, entries.size(), 2);
  Put(out, entries.size(), 2);
  Put(out, directorySize, 4);
  Put(out, directory, 4);
  Put(out, 0, 2);
  return out;
}

}  // namespace ombrel::testing
