// Reads and writes that go on until all is done: a short count is not a
// failure, and a signal does not end them.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace ombrel {

// Writes every byte to fd at its position (or from offset on, when given);
// 0, or the errno of the failure. A write that takes nothing and reports no
// error counts as EIO, since asking again would only spin.
int WriteAll(int fd, const void* data, std::size_t size);
int WriteAllAt(int fd, const void* data, std::size_t size, off_t offset);

// Reads up to size bytes, stopping early only at the end of the file; the
// count read, or -1 with errno set.
ssize_t ReadFull(int fd, void* data, std::size_t size);
ssize_t ReadFullAt(int fd, void* data, std::size_t size, off_t offset);

}  // namespace ombrel
