// The envelope reader on libzip. OpenEnvelope accepts only an envelope whose
// every document can be extracted under a plain file name of its own, so no
// document can ever land outside the folder it is extracted into, and whose
// entries it reads are stored, deflated or bzip2 without a password, in an
// archive with no two entries of one name. Entries are read by the central
// directory, so the archives of tools that stream (data descriptors) and
// bytes after the archive read as well as a plain archive. What the entries
// state is checked before anything is written: sizes no file can have,
// entries that share their bytes, a ZIP bomb, and (when unpacking) the free
// space. The file's tail is looked at before libzip reads it, so opening
// takes time in proportion to the file whatever its tail holds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/envelope/envelope.h"
#include "platform/envelope/envelope_listing.h"
#include "platform/envelope/zip_handles.h"
#include "platform/files/file_system_object.h"

namespace ombrel {

class ZipEnvelope : public Envelope {
 public:
  // files tells the free space of the folder unpacked into.
  explicit ZipEnvelope(std::unique_ptr<FileSystemObject> files = CreateLocalFileSystem());
  bool OpenEnvelope(const std::string& path) override;
  bool ExtractTo(const std::string& folder, int32_t flags) override;
  const EnvelopeDocuments& Documents() const override { return listing_; }
  std::optional<Error> Failure() const override { return failure_; }

 private:
  // Refuses a file whose tail libzip would take long to read, or which is
  // cut short (see archive_tail.h).
  static void CheckTail(const std::string& path, uint64_t fileSize);
  // Refuses entries whose stated sizes no archive can have, entries that
  // share their bytes, and a ZIP bomb.
  static void CheckSizes(zip_t* archive, zip_int64_t listingIndex, const std::vector<zip_int64_t>& indexes,
                         uint64_t fileSize);

  std::unique_ptr<FileSystemObject> files_;
  ZipArchivePtr archive_;
  EnvelopeListing listing_;
  std::optional<Error> failure_;
};

}  // namespace ombrel
