// The envelope of the I/O figures: one main order document and photos of
// incompressible bytes, stored as JPEG bytes are. The photos are made in a
// staging folder one at a time and streamed into the archive, so even a
// large envelope needs little memory to build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ombrel::bench {

// "PHOTO001.jpg", "PHOTO002.jpg", ...
std::vector<std::string> PhotoNames(std::size_t count);

// Writes the envelope at path: the order as "order.xml" (OADI/XML), then one
// IMAGE/JPG document of photoSize bytes per name. stagingFolder (ending in
// "/") holds the photos while the archive is written; they are removed after.
// Returns the archive entry of each photo, in the order of photoNames.
std::vector<std::string> WritePhotoEnvelope(const std::string& path, const std::string& orderText,
                        const std::vector<std::string>& photoNames, std::size_t photoSize,
                        const std::string& stagingFolder);

}  // namespace ombrel::bench
