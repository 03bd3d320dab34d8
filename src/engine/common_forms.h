// The procedures translators share besides the engine's members: photos,
// sketches and maps, the split order date, and the test for any tag present.
// Each works through srv, the calling translator's Server.
#pragma once

#include <cstdint>
#include <string>

#include "engine/xml_engine.h"

namespace ombrel {

// Writes the order date at ifxTag as "September 13" at monthDayAddr and
// "2002" at yearAddr; a value that is no date goes unchanged to monthDayAddr.
void SplitY2KDate(XmlEngine& srv, const std::string& ifxTag, const std::string& monthDayAddr,
                  const std::string& yearAddr);

// True when at least one of tags has a value in the order, read through srv.
bool AnyTagPresent(XmlEngine& srv, const TextList& tags);

void AddSubjectPhotos(XmlEngine& srv);
void AddCompPhotos(XmlEngine& srv, int16_t count);
void AddGeneralPhotos(XmlEngine& srv, int16_t count);
void AddListingPhotos(XmlEngine& srv, int16_t count);
void AddRentalPhotos(XmlEngine& srv, int16_t count);
void AddSketchesAndMaps(XmlEngine& srv);

// "March 5, 2001" for a date; any other text unchanged.
std::string LongDate(const std::string& text);

}  // namespace ombrel
