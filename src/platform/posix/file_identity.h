// Telling one file from another. While both are held open, by what the file
// system says of them (device and inode); otherwise by what every mount
// keeps, a regular file's size and the CRC-32 of its bytes: FUSE mounts
// change inode numbers and times a file keeps on a local disk.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ombrel {

// Whether both describe one file (device and inode). Only for files held
// open while they are compared: a FUSE mount may give a file it has
// forgotten a new number, or two names of one file two numbers.
bool SameFile(const struct stat& a, const struct stat& b);

// Whether name in the folder open as folderFd (not followed through a
// symbolic link) is still the file open as fd.
bool NamesOpenFile(int folderFd, const std::string& name, int fd);

// The size of name in the folder open as folderFd when it is a regular file
// (not followed through a symbolic link); nothing otherwise.
std::optional<uint64_t> RegularFileSize(int folderFd, const std::string& name);

// Whether name in the folder open as folderFd is a regular file (not followed
// through a symbolic link) of size bytes whose CRC-32 is crc. Its bytes are
// read only when its size is that size.
bool HoldsBytesOf(int folderFd, const std::string& name, uint64_t size, uint32_t crc);

}  // namespace ombrel
