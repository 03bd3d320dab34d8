#include "support/zip_layout.h"

#include <cstddef>
#include <stdexcept>

namespace ombrel::testing {

namespace {

constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint32_t kDescriptorSignature = 0x08074b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kDataDescriptorFlag = 0x0008;
constexpr uint16_t kZip64Version = 45;
constexpr uint16_t kZip64ExtraId = 0x0001;
constexpr uint64_t kNeeds64 = 0xFFFFFFFF;

uint32_t Get(const std::string& bytes, std::size_t at, int width) {
  if (at + static_cast<std::size_t>(width) > bytes.size()) throw std::runtime_error("ZIP archive cut short");
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void Put(std::string& out, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::vector<ZipEntry> ReadZipEntries(const std::string& archive) {
  // The end record: the last signature that leaves room for its 22 bytes.
  std::size_t end = archive.size() < 22 ? std::string::npos : archive.size() - 22;
  while (end != std::string::npos && Get(archive, end, 4) != kEndSignature) {
    end = end == 0 ? std::string::npos : end - 1;
  }
  if (end == std::string::npos) throw std::runtime_error("no end of central directory");
  const uint32_t count = Get(archive, end + 10, 2);
  std::size_t at = Get(archive, end + 16, 4);

  std::vector<ZipEntry> entries;
  for (uint32_t i = 0; i < count; ++i) {
    if (Get(archive, at, 4) != kCentralSignature) throw std::runtime_error("bad central directory");
    ZipEntry e;
    e.versionMadeBy = static_cast<uint16_t>(Get(archive, at + 4, 2));
    e.versionNeeded = static_cast<uint16_t>(Get(archive, at + 6, 2));
    e.flags = static_cast<uint16_t>(Get(archive, at + 8, 2) & ~kDataDescriptorFlag);
    e.method = static_cast<uint16_t>(Get(archive, at + 10, 2));
    e.time = static_cast<uint16_t>(Get(archive, at + 12, 2));
    e.date = static_cast<uint16_t>(Get(archive, at + 14, 2));
    e.crc = Get(archive, at + 16, 4);
    const uint32_t compressedSize = Get(archive, at + 20, 4);
    e.size = Get(archive, at + 24, 4);
    const uint32_t nameLength = Get(archive, at + 28, 2);
    const uint32_t extraLength = Get(archive, at + 30, 2);
    const uint32_t commentLength = Get(archive, at + 32, 2);
    e.internalAttributes = static_cast<uint16_t>(Get(archive, at + 36, 2));
    e.externalAttributes = Get(archive, at + 38, 4);
    const uint32_t localOffset = Get(archive, at + 42, 4);
    e.name = archive.substr(at + 46, nameLength);
    if (compressedSize == kNeeds64 || e.size == kNeeds64 || localOffset == kNeeds64) {
      throw std::runtime_error("ZIP64 archives are not read");
    }
    at += 46 + nameLength + extraLength + commentLength;

    if (Get(archive, localOffset, 4) != kLocalSignature) throw std::runtime_error("bad local header");
    const std::size_t data = localOffset + 30 + Get(archive, localOffset + 26, 2) + Get(archive, localOffset + 28, 2);
    if (data + compressedSize > archive.size()) throw std::runtime_error("entry data cut short");
    e.data = archive.substr(data, compressedSize);
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string WriteZip(const ZipLayout& layout) {
  std::string out;
  std::vector<std::size_t> offsets;
  for (const ZipEntry& e : layout.entries) {
    if (e.sharesDataOf) {
      if (*e.sharesDataOf >= offsets.size()) throw std::runtime_error("an entry shares a later entry's data");
      offsets.push_back(offsets[*e.sharesDataOf]);
      continue;
    }
    const bool zip64 = layout.zip64 || e.size >= kNeeds64 || e.data.size() >= kNeeds64;
    const uint16_t flags = e.streamed ? (e.flags | kDataDescriptorFlag) : e.flags;
    const uint64_t statedCompressedSize = e.streamed ? 0 : e.data.size();
    offsets.push_back(out.size());
    Put(out, kLocalSignature, 4);
    Put(out, zip64 ? kZip64Version : e.versionNeeded, 2);
    Put(out, flags, 2);
    Put(out, e.localMethod.value_or(e.method), 2);
    Put(out, e.time, 2);
    Put(out, e.date, 2);
    Put(out, e.streamed ? 0 : e.crc, 4);
    Put(out, zip64 ? kNeeds64 : statedCompressedSize, 4);
    Put(out, zip64 ? kNeeds64 : e.size, 4);
    Put(out, e.name.size(), 2);
    Put(out, e.extra.size() + (zip64 ? 20 : 0), 2);
    out += e.name;
    out += e.extra;
    if (zip64) {
      Put(out, kZip64ExtraId, 2);
      Put(out, 16, 2);
      Put(out, e.size, 8);
      Put(out, statedCompressedSize, 8);
    }
    out += e.data;
    if (e.streamed) {
      Put(out, kDescriptorSignature, 4);
      Put(out, e.crc, 4);
      Put(out, e.data.size(), zip64 ? 8 : 4);
      Put(out, e.size, zip64 ? 8 : 4);
    }
  }

  // The central directory states each size in 32 bits where it fits, as
  // bsdtar's ZIP64 does too.
  const std::size_t directory = out.size();
  for (std::size_t i = 0; i < layout.entries.size(); ++i) {
    const ZipEntry& e = layout.entries[i];
    const bool zip64Local = layout.zip64 || e.size >= kNeeds64 || e.data.size() >= kNeeds64;
    const bool bigSize = e.size >= kNeeds64;
    if (e.data.size() >= kNeeds64 || offsets[i] >= kNeeds64) throw std::runtime_error("archive too large");
    Put(out, kCentralSignature, 4);
    Put(out, e.versionMadeBy, 2);
    Put(out, zip64Local ? kZip64Version : e.versionNeeded, 2);
    Put(out, e.streamed ? (e.flags | kDataDescriptorFlag) : e.flags, 2);
    Put(out, e.method, 2);
    Put(out, e.time, 2);
    Put(out, e.date, 2);
    Put(out, e.crc, 4);
    Put(out, e.data.size(), 4);
    Put(out, bigSize ? kNeeds64 : e.size, 4);
    Put(out, e.name.size(), 2);
    Put(out, e.extra.size() + (bigSize ? 12 : 0), 2);
    Put(out, 0, 2);  // comment
    Put(out, 0, 2);  // disk
    Put(out, e.internalAttributes, 2);
    Put(out, e.externalAttributes, 4);
    Put(out, offsets[i], 4);
    out += e.name;
    out += e.extra;
    if (bigSize) {
      Put(out, kZip64ExtraId, 2);
      Put(out, 8, 2);
      Put(out, e.size, 8);
    }
  }
  const std::size_t directorySize = out.size() - directory;
  if (layout.zip64) {
    const std::size_t record = out.size();
    Put(out, kZip64EndSignature, 4);
    Put(out, 44, 8);  // the size of the rest of this record
    Put(out, kZip64Version, 2);
    Put(out, kZip64Version, 2);
    Put(out, 0, 4);  // this disk
    Put(out, 0, 4);  // the directory's disk
    Put(out, layout.entries.size(), 8);
    Put(out, layout.entries.size(), 8);
    Put(out, directorySize, 8);
    Put(out, directory, 8);
    Put(out, kZip64LocatorSignature, 4);
    Put(out, 0, 4);  // the disk of the record above
    Put(out, record, 8);
    Put(out, 1, 4);  // disks
  }
  Put(out, kEndSignature, 4);
  Put(out, 0, 2);
  Put(out, 0, 2);
  Put(out, layout.entries.size(), 2);
  Put(out, layout.entries.size(), 2);
  Put(out, directorySize, 4);
  Put(out, directory, 4);
  Put(out, layout.comment.size(), 2);
  out += layout.comment;
  return layout.before + out + layout.after;
}

}  // namespace ombrel::testing
