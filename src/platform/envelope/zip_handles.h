// Owning handles for libzip objects, so every way out of a function closes
// what it opened.
#pragma once

#include <zip.h>

#include <memory>

namespace ombrel {

struct ZipArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
// An archive opened for reading; discarding it writes nothing.
using ZipArchivePtr = std::unique_ptr<zip_t, ZipArchiveDiscard>;

struct ZipFileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipFilePtr = std::unique_ptr<zip_file_t, ZipFileClose>;

}  // namespace ombrel
