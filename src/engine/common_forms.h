// The procedures translators share besides the engine's members: photos,
// sketches and maps, the split order date, and the test for any tag present.
// They write through CurrentEngine(), the engine of the envelope being
// converted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/xml_engine.h"

namespace ombrel {

// The engine of the last envelope; set by the envelope step just before its
// Translate runs and released first when the program shuts down.
std::unique_ptr<XmlEngine>& CurrentEngine();

// Writes the order date at ifxTag as "September 13" at monthDayAddr and
// "2002" at yearAddr; a value that is no date goes unchanged to monthDayAddr.
void SplitY2KDate(const std::string& ifxTag, const std::string& monthDayAddr,
                  const std::string& yearAddr);

// True when at least one of tags has a value in the order, read through srv.
bool AnyTagPresent(XmlEngine& srv, const TextList& tags);

void AddSubjectPhotos();
void AddCompPhotos(int16_t count);
void AddGeneralPhotos(int16_t count);
void AddListingPhotos(int16_t count);
void AddRentalPhotos(int16_t count);
void AddSketchesAndMaps();

// "March 5, 2001" for a date; any other text unchanged.
std::string LongDate(const std::string& text);

}  // namespace ombrel
