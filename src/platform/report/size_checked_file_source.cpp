#include "platform/report/size_checked_file_source.h"

#include <utility>

namespace ombrel {

SizeCheckedFileSource::SizeCheckedFileSource(std::string path) : path_(std::move(path)) { zip_error_init(&error_); }

SizeCheckedFileSource::~SizeCheckedFileSource() {
  if (file_ != nullptr) zip_source_free(file_);
  zip_error_fini(&error_);
}

zip_source_t* SizeCheckedFileSource::Create(zip_t* archive) {
  file_ = zip_source_file(archive, path_.c_str(), 0, -1);
  if (file_ == nullptr) return nullptr;
  zip_source_t* source = zip_source_function(archive, Callback, this);
  if (source == nullptr) {
    zip_source_free(file_);
    file_ = nullptr;
  }
  return source;
}

zip_int64_t SizeCheckedFileSource::Fail(zip_error_t* cause) {
  zip_error_set(&error_, zip_error_code_zip(cause), zip_error_code_system(cause));
  return -1;
}

zip_int64_t SizeCheckedFileSource::Read(void* data, zip_uint64_t length) {
  const zip_int64_t n = zip_source_read(file_, data, length);
  if (n < 0) return Fail(zip_source_error(file_));
  copied_ += static_cast<zip_uint64_t>(n);
  const bool ended = n == 0 && length > 0;
  if (sized_ && (copied_ > size_ || (ended && copied_ < size_))) {
    changedSize_ = true;
    zip_error_set(&error_, ZIP_ER_READ, 0);
    return -1;
  }
  return n;
}

zip_int64_t SizeCheckedFileSource::Callback(void* state, void* data, zip_uint64_t length,
                                            zip_source_cmd_t command) {
  SizeCheckedFileSource& self = *static_cast<SizeCheckedFileSource*>(state);
  switch (command) {
    case ZIP_SOURCE_SUPPORTS:
      // Read once, start to end: a copy read twice could not be checked.
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                            ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_STAT:
      if (zip_source_stat(self.file_, static_cast<zip_stat_t*>(data)) < 0) {
        return self.Fail(zip_source_error(self.file_));
      }
      return sizeof(zip_stat_t);
    case ZIP_SOURCE_OPEN: {
      if (zip_source_open(self.file_) < 0) return self.Fail(zip_source_error(self.file_));
      // The size the entry is written for: libzip's file source found it
      // when it was made (a pipe or other stream has none).
      zip_stat_t stat;
      self.sized_ = zip_source_stat(self.file_, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0;
      self.size_ = self.sized_ ? stat.size : 0;
      self.copied_ = 0;
      return 0;
    }
    case ZIP_SOURCE_READ:
      return self.Read(data, length);
    case ZIP_SOURCE_CLOSE:
      zip_source_close(self.file_);
      return 0;
    case ZIP_SOURCE_ERROR:
      return zip_error_to_data(&self.error_, data, length);
    case ZIP_SOURCE_FREE:
      zip_source_free(self.file_);
      self.file_ = nullptr;
      return 0;
    default:
      zip_error_set(&self.error_, ZIP_ER_OPNOTSUPP, 0);
      return -1;
  }
}

}  // namespace ombrel
