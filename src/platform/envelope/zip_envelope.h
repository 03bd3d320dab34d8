// The envelope reader on libzip. OpenEnvelope accepts only an envelope whose
// every document can be extracted under a plain file name of its own, so no
// document can ever land outside the folder it is extracted into, and whose
// entries it reads are stored, deflated or bzip2 without a password, in an
// archive with no two entries of one name. Entries are read by the central
// directory, so the archives of tools that stream (data descriptors) and
// bytes after the archive read as well as a plain archive.
#pragma once

#include <string>

#include "platform/envelope/envelope.h"
#include "platform/envelope/envelope_listing.h"
#include "platform/envelope/zip_handles.h"

namespace ombrel {

class ZipEnvelope : public Envelope {
 public:
  bool OpenEnvelope(const std::string& path) override;
  bool ExtractTo(const std::string& folder, int32_t flags) override;
  const EnvelopeDocuments& Documents() const override { return listing_; }
  std::optional<Error> Failure() const override { return failure_; }

 private:
  ZipArchivePtr archive_;
  EnvelopeListing listing_;
  std::optional<Error> failure_;
};

}  // namespace ombrel
