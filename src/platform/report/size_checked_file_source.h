// A photo's bytes for libzip to store, read through libzip's own file source
// (which gives the entry the file's time, opens a pipe as a stream, and words
// its own errors), but refusing a torn copy: when a plain file does not hold
// the size it had when it was looked at (it grew or shrank while it was being
// copied), the read fails and ChangedSize() says so, so the report is not
// written with half of a photo in it.
#pragma once

#include <zip.h>

#include <string>

namespace ombrel {

class SizeCheckedFileSource {
 public:
  explicit SizeCheckedFileSource(std::string path);
  ~SizeCheckedFileSource();
  SizeCheckedFileSource(const SizeCheckedFileSource&) = delete;
  SizeCheckedFileSource& operator=(const SizeCheckedFileSource&) = delete;

  // A source of the file's bytes for archive (call once); nullptr when libzip
  // cannot make one (zip_strerror(archive) says why). Whoever takes it frees
  // it, as any libzip source, and must do so while this object lives.
  zip_source_t* Create(zip_t* archive);

  const std::string& path() const { return path_; }
  // True when a read failed because the file no longer had its size.
  bool ChangedSize() const { return changedSize_; }

 private:
  static zip_int64_t Callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command);
  zip_int64_t Read(void* data, zip_uint64_t length);
  zip_int64_t Fail(zip_error_t* cause);

  std::string path_;
  zip_source_t* file_ = nullptr;  // libzip's source of the file
  zip_error_t error_{};           // the last failure, for ZIP_SOURCE_ERROR
  bool sized_ = false;            // whether the file states a size (a pipe does not)
  zip_uint64_t size_ = 0;         // that size, as libzip's file source found it
  zip_uint64_t copied_ = 0;       // bytes read since the source was opened
  bool changedSize_ = false;
};

}  // namespace ombrel
