// The I/O reference: what libzip alone takes to do the envelope step's file
// work. Extract every entry of the envelope, write a ZIP that stores the
// photos the report carries, and delete the extracted files again.
#pragma once

#include <string>
#include <vector>

namespace ombrel::bench {

// Extracts every entry of the archive into folder (ending in "/") under the
// entry's own name, through one 64 KB buffer; returns the files written.
// Throws std::runtime_error on any failure.
std::vector<std::string> ExtractWithLibzip(const std::string& archivePath, const std::string& folder);

// Writes a ZIP at path (replacing any) that stores each file uncompressed.
void WriteStoredZip(const std::string& path, const std::vector<std::string>& files);

// The whole reference: extract into folder, store the extracted files whose
// names are in carried into a ZIP at zipPath, delete the extracted files.
void RunLibzipReference(const std::string& archivePath, const std::string& folder,
                        const std::vector<std::string>& carried, const std::string& zipPath);

}  // namespace ombrel::bench
