// Envelopes that would fill the disk: a ZIP bomb of honest entries, entries
// that share one compressed kernel, sizes no archive can have, and photo sets
// larger than the free space of the folder they are unpacked into. Each is
// refused before a byte is written; real orders, however well they
// compress, are not.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/envelope/zip_envelope.h"
#include "support/envelope_builder.h"
#include "support/stated_free_space.h"
#include "support/temp_dir.h"
#include "support/zip_layout.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::Listing;
using testing::StatedFreeSpace;
using testing::TempDir;
using testing::ZipEntry;
using testing::ZipLayout;

constexpr uint64_t kMiB = 1024 * 1024;
const std::string kOrder = "<?xml version=\"1.0\"?><ORDER><FORMNUM>1004</FORMNUM></ORDER>";

// A photo's bytes that do not compress.
std::string Noise(std::size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1664525 + 1013904223;
    c = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// A log line as far as a test can know it: how it begins and ends. A
// beginning that ends in a letter, with no ending, is the whole line.
struct Cause {
  std::string starts;
  std::string ends = "";
};

class EnvelopeRoomTest : public ::testing::Test {
 protected:
  EnvelopeRoomTest() {
    // The compressed kernel of a photo of 1 MiB of zeros, deflated once.
    EnvelopeBuilder builder;
    const testing::EnvelopeEntry& photo = builder.Add("zeros.jpg", "IMAGE/JPG", "", std::string(kMiB, '\0'));
    const std::string entry = photo.guid + photo.ext;
    builder.Write(dir_.File("kernel.env"));
    for (const ZipEntry& e : testing::ReadZipEntries(dir_.Read("kernel.env"))) {
      if (e.name == entry) kernel_ = e;
    }
    fs::remove(dir_.File("kernel.env"));
  }

  // An order, then photos of 1 MiB of zeros, each with its own copy of the
  // kernel (or the first's, when shared), then stored photos of noise.
  ZipLayout Envelope(std::size_t zeroPhotos, bool shared, std::vector<std::size_t> noisePhotos = {}) {
    EnvelopeBuilder builder;
    builder.Add("order.xml", "OADI/XML", "", kOrder);
    for (std::size_t i = 0; i < zeroPhotos; ++i) {
      builder.Add("zeros" + std::to_string(i) + ".jpg", "IMAGE/JPG", "", "");
    }
    for (std::size_t i = 0; i < noisePhotos.size(); ++i) {
      builder.Add("noise" + std::to_string(i) + ".jpg", "IMAGE/JPG", "", Noise(noisePhotos[i], 7 + i)).stored =
          true;
    }
    builder.Write(dir_.File("built.env"));
    ZipLayout layout;
    layout.entries = testing::ReadZipEntries(dir_.Read("built.env"));
    fs::remove(dir_.File("built.env"));
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < layout.entries.size(); ++i) {
      ZipEntry& e = layout.entries[i];
      if (e.name.find(".jpg") == std::string::npos || e.size != 0) continue;
      const std::string name = e.name;
      e = kernel_;
      e.name = name;
      if (shared && first) e.sharesDataOf = *first;
      if (!first) first = i;
    }
    return layout;
  }

  // Two photos sharing one kernel, and as many zero bytes after the archive
  // (a padded transfer) as leave the entries read, with their headers and the
  // end record, beyond bytes more than the file. Their compressed sizes alone
  // fit in the file, so only the headers show the overlap.
  ZipLayout SharedKernelBeyondTheFile(uint64_t beyond) {
    ZipLayout layout = Envelope(2, true);
    uint64_t packed = 22;
    uint64_t compressed = 0;
    for (const ZipEntry& e : layout.entries) {
      packed += 30 + 46 + 2 * e.name.size() + e.data.size();
      compressed += e.data.size();
    }
    const uint64_t size = testing::WriteZip(layout).size();
    EXPECT_GT(packed, size + beyond);
    layout.after.assign(packed - size - beyond, '\0');
    EXPECT_LE(compressed, packed - beyond);  // the file's size now
    return layout;
  }

  // An order, a photo of 1 MiB of zeros and a photo of noise of over 1 MiB,
  // the zeros stating what brings the documents to times the envelope's
  // size, plus beyond bytes: the ratio above the floor.
  ZipLayout Expanding(uint64_t times, uint64_t beyond) {
    ZipLayout layout = Envelope(1, false, {kMiB + kMiB / 10});
    const uint64_t size = testing::WriteZip(layout).size();
    uint64_t others = 0;
    ZipEntry* zeros = nullptr;
    for (ZipEntry& e : layout.entries) {
      if (e.name == "ENVELOPE.XML") continue;
      if (e.data.size() == kernel_.data.size() && e.data == kernel_.data) {
        zeros = &e;
      } else {
        others += e.size;
      }
    }
    if (zeros == nullptr) throw std::runtime_error("no photo of zeros");
    zeros->size = times * size - others + beyond;
    EXPECT_EQ(testing::WriteZip(layout).size(), size);
    return layout;
  }

  ZipLayout OneBytePhotos() {
    std::vector<std::size_t> sizes(200, 1);
    sizes.push_back(8192);
    return Envelope(0, false, sizes);
  }

  TempDir dir_;
  ZipEntry kernel_;
};

TEST_F(EnvelopeRoomTest, WhatWouldFillTheDiskIsRefusedBeforeAByteIsWritten) {
  enum Outcome { kOpens, kRefused, kUnpacks, kNoRoom };
  const uint64_t order = kOrder.size();
  const struct {
    const char* name;
    std::function<ZipLayout()> layout;
    std::optional<uint64_t> free;  // as the file-system service states it; nothing: unknown
    Outcome outcome;
    // How Failure()'s description begins and ends, given the envelope's size
    // and its folder.
    std::function<Cause(uint64_t size, const std::string& folder)> cause;
    uint64_t block = 1;  // the file system's allocation block, as the service states it
  } cases[] = {
      {"an honest ZIP bomb: 120 photos of 1 MiB of zeros, each deflated on its own",
       [&] { return Envelope(120, false); }, std::nullopt, kRefused,
       [&](uint64_t size, const std::string&) {
         return Cause{"it is a ZIP bomb: its documents state " + std::to_string(120 * kMiB + order) +
                          " bytes, more than 100 times the envelope's " + std::to_string(size) +
                          " bytes and more than 104857600 bytes"};
       }},
      {"90 such photos, under the floor every envelope may expand to", [&] { return Envelope(90, false); },
       std::nullopt, kOpens, nullptr},
      {"150 such photos beside 2 MiB of real photos, under 100 times the envelope's size",
       [&] { return Envelope(150, false, {2 * kMiB}); }, std::nullopt, kOpens, nullptr},
      {"20 photo entries sharing one kernel (overlapping entries)", [&] { return Envelope(20, true); },
       std::nullopt, kRefused,
       [](uint64_t size, const std::string&) {
         return Cause{"its entries overlap: the entries read state ",
                      " bytes with their headers, more than the " + std::to_string(size) +
                          " bytes of the whole envelope"};
       }},
      {"2,000 photo entries sharing one kernel", [&] { return Envelope(2000, true); }, std::nullopt, kRefused,
       [](uint64_t, const std::string&) { return Cause{"its entries overlap: "}; }},
      {"2 photo entries sharing one kernel, one byte more than the file with their headers",
       [&] { return SharedKernelBeyondTheFile(1); }, std::nullopt, kRefused,
       [](uint64_t size, const std::string&) {
         return Cause{"its entries overlap: the entries read state " + std::to_string(size + 1) +
                      " bytes with their headers, more than the " + std::to_string(size) +
                      " bytes of the whole envelope"};
       }},
      {"2 photo entries sharing one kernel, as much as the file with their headers",
       [&] { return SharedKernelBeyondTheFile(0); }, std::nullopt, kOpens, nullptr},
      {"documents stating 1 byte more than 100 times an envelope of over 1 MiB", [&] { return Expanding(100, 1); },
       std::nullopt, kRefused,
       [](uint64_t size, const std::string&) {
         return Cause{"it is a ZIP bomb: its documents state " + std::to_string(100 * size + 1) +
                      " bytes, more than 100 times the envelope's " + std::to_string(size) +
                      " bytes and more than 104857600 bytes"};
       }},
      {"documents stating 100 times an envelope of over 1 MiB", [&] { return Expanding(100, 0); }, std::nullopt,
       kOpens, nullptr},
      {"two photos stating 2^63 - 1 bytes each, which with the order's pass 2^64 together",
       [&] {
         ZipLayout layout = Envelope(2, false);
         for (ZipEntry& e : layout.entries) {
           if (e.data == kernel_.data) e.size = INT64_MAX;
         }
         return layout;
       },
       std::nullopt, kRefused,
       [](uint64_t size, const std::string&) {
         return Cause{"it is a ZIP bomb: its documents state 18446744073709551615 bytes, more than 100 times the "
                      "envelope's " +
                      std::to_string(size) + " bytes and more than 104857600 bytes"};
       }},
      {"a photo stating 2^64 - 1 bytes",
       [&] {
         ZipLayout layout = Envelope(1, false);
         layout.entries.back().size = UINT64_MAX;
         return layout;
       },
       std::nullopt, kRefused,
       [&](uint64_t, const std::string&) {
         return Cause{"The envelope's entry ", " states a size of 18446744073709551615 bytes, which no file can have"};
       }},
      {"40 real photos of 64 KiB, with 1 MiB free", [&] { return Envelope(0, false, std::vector<std::size_t>(40, 65536)); },
       kMiB, kNoRoom,
       [&](uint64_t, const std::string& folder) {
         return Cause{"Disk full: the envelope's documents take " + std::to_string(40 * 65536 + order) +
                          " bytes, more than the 1048576 bytes free in " + folder};
       }},
      // A file system that gives no figure (ramfs, a read-only one): the
      // writes say whether there is room.
      {"the same photos, where no free space is stated",
       [&] { return Envelope(0, false, std::vector<std::size_t>(40, 65536)); }, std::nullopt, kUnpacks, nullptr},
      {"the same photos, with exactly their size free",
       [&] { return Envelope(0, false, std::vector<std::size_t>(40, 65536)); }, 40 * 65536 + order, kUnpacks,
       nullptr},
      // Each document takes whole blocks: the order and the 200 one-byte
      // photos one each, the photo of 8 KiB two.
      {"200 one-byte photos and one of 8 KiB, in 4 KiB blocks, one byte short of their 203 blocks",
       [&] { return OneBytePhotos(); }, 203 * 4096 - 1, kNoRoom,
       [](uint64_t, const std::string& folder) {
         return Cause{"Disk full: the envelope's documents take 831488 bytes, more than the 831487 bytes free in " +
                      folder};
       },
       4096},
      {"the same photos, with their 203 blocks free", [&] { return OneBytePhotos(); }, 203 * 4096, kUnpacks,
       nullptr, 4096},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = dir_.path() / c.name;
    const std::string path = dir_.Write((folder / "MY.ENV").string(), testing::WriteZip(c.layout()));
    const uint64_t size = fs::file_size(path);
    ZipEnvelope envelope(std::make_unique<StatedFreeSpace>(c.free, c.block));
    const bool opened = envelope.OpenEnvelope(path);
    EXPECT_EQ(opened, c.outcome != kRefused);
    if (opened != (c.outcome != kRefused)) continue;
    if (opened && c.outcome != kOpens) {
      EXPECT_EQ(envelope.ExtractTo(folder.string(), 0), c.outcome == kUnpacks);
    }
    if (c.cause) {
      EXPECT_TRUE(envelope.Failure());
      if (!envelope.Failure()) continue;
      const std::string description = envelope.Failure()->description();
      const Cause cause = c.cause(size, folder.string() + "/");
      EXPECT_EQ(description.substr(0, cause.starts.size()), cause.starts) << description;
      if (cause.ends.empty()) {
        if (cause.starts.back() != ' ') {
          EXPECT_EQ(description, cause.starts);
        }
      } else {
        EXPECT_GE(description.size(), cause.ends.size());
        EXPECT_EQ(description.substr(description.size() - std::min(description.size(), cause.ends.size())),
                  cause.ends);
      }
    } else {
      EXPECT_FALSE(envelope.Failure());
    }
    if (c.outcome != kUnpacks) {
      EXPECT_EQ(Listing(folder), std::vector<std::string>{"MY.ENV"});
    }
  }
}

}  // namespace
}  // namespace ombrel
