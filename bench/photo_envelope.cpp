#include "photo_envelope.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/envelope_builder.h"

namespace ombrel::bench {

namespace {

// SplitMix64: fast, and its output does not compress.
class NoiseSource {
 public:
  explicit NoiseSource(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

 private:
  uint64_t state_;
};

void WriteNoise(const std::string& path, std::size_t size, uint64_t seed) {
  NoiseSource noise(seed);
  std::vector<uint64_t> chunk(64 * 1024 / sizeof(uint64_t));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (std::size_t done = 0; done < size;) {
    for (uint64_t& word : chunk) word = noise.Next();
    const std::size_t n = std::min(size - done, chunk.size() * sizeof(uint64_t));
    out.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(n));
    done += n;
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

void Add(zip_t* archive, const std::string& name, zip_source_t* source, bool stored) {
  if (source == nullptr) throw std::runtime_error("no source for " + name + ": " + zip_strerror(archive));
  const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error("cannot add " + name + ": " + zip_strerror(archive));
  }
  if (stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
}

}  // namespace

std::vector<std::string> PhotoNames(std::size_t count) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "PHOTO%03zu.jpg", i);
    names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> WritePhotoEnvelope(const std::string& path, const std::string& orderText,
                        const std::vector<std::string>& photoNames, std::size_t photoSize,
                        const std::string& stagingFolder) {
  testing::EnvelopeBuilder listing;
  listing.Add("order.xml", "OADI/XML", "", "");
  std::vector<std::string> staged;
  for (std::size_t i = 0; i < photoNames.size(); ++i) {
    listing.Add(photoNames[i], "IMAGE/JPG", "PHOTO", "");
    staged.push_back(stagingFolder + photoNames[i]);
    WriteNoise(staged.back(), photoSize, 0x5EED0000ULL + i);
  }
  const std::string listingXml = listing.ListingXml();

  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  try {
    Add(archive, "ENVELOPE.XML", zip_source_buffer(archive, listingXml.data(), listingXml.size(), 0), false);
    const auto& documents = listing.documents();
    Add(archive, documents[0].guid + documents[0].ext,
        zip_source_buffer(archive, orderText.data(), orderText.size(), 0), false);
    for (std::size_t i = 0; i < staged.size(); ++i) {
      const testing::EnvelopeEntry& photo = documents[i + 1];
      Add(archive, photo.guid + photo.ext, zip_source_file(archive, staged[i].c_str(), 0, -1), true);
    }
  } catch (...) {
    zip_discard(archive);
    throw;
  }
  if (zip_close(archive) != 0) {
    const std::string why = zip_strerror(archive);
    zip_discard(archive);
    throw std::runtime_error("cannot write " + path + ": " + why);
  }
  for (const std::string& photo : staged) std::filesystem::remove(photo);
  std::vector<std::string> entries;
  for (std::size_t i = 1; i < listing.documents().size(); ++i) {
    entries.push_back(listing.documents()[i].guid + listing.documents()[i].ext);
  }
  return entries;
}

}  // namespace ombrel::bench
