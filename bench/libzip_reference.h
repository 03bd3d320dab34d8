// The I/O reference: what libzip alone takes to do the envelope step's file
// work. Extract every entry of the envelope, write the same report the step
// writes (its REPORT.XML deflated at the step's level, the photos it carries
// stored), flush it to disk (fsync) as the step does, and delete the
// extracted files again.
#pragma once

#include <string>
#include <vector>

namespace ombrel::bench {

// Extracts every entry of the archive into folder (ending in "/") under the
// entry's own name, through one 64 KB buffer; returns the files written.
// Throws std::runtime_error on any failure.
std::vector<std::string> ExtractWithLibzip(const std::string& archivePath, const std::string& folder);

// Writes a ZIP at path (replacing any) holding reportXml deflated as
// REPORT.XML and each file stored uncompressed, and flushes it and its
// folder to disk.
void WriteReportZip(const std::string& path, const std::string& reportXml,
                    const std::vector<std::string>& files);

// The whole reference: extract into folder, write the report with the
// extracted files whose names are in carried into a ZIP at zipPath, delete
// the extracted files.
void RunLibzipReference(const std::string& archivePath, const std::string& folder,
                        const std::vector<std::string>& carried, const std::string& zipPath,
                        const std::string& reportXml);

}  // namespace ombrel::bench
