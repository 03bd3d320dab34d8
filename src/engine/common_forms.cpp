#include "engine/common_forms.h"

#include <string>

#include "platform/dates.h"
#include "platform/error.h"
#include "shell/error_handler.h"
#include "shell/globals.h"

namespace ombrel {

namespace {

// The engine the shared procedures write through; error 91 when there is none.
XmlEngine& Engine() {
  if (!CurrentEngine()) throw Error::ObjectNotSet(kAppTitle);
  return *CurrentEngine();
}

// One counted photo family: "COMP(" + i + ")PHOTO" into "CMP_" + i + "_3X5",
// its number checked at "COMP(" + i + ")PHOTONUM".
struct PhotoFamily {
  const char* tagHead;
  const char* tagTail;
  const char* framePrefix;
  const char* numberTail;  // appended to the image tag
};

constexpr PhotoFamily kComparablePhotos{"COMP(", ")PHOTO", "CMP_", "NUM"};
constexpr PhotoFamily kGeneralPhotos{"ADDPHOTO(", ")", "GN_", "NUM"};
constexpr PhotoFamily kListingPhotos{"LISTPHOTO(", ")", "LCMP_", "NUM"};
constexpr PhotoFamily kRentalPhotos{"RENTPHOTO(", ")", "RCMP_", "NUM"};

void AddPhotos(const PhotoFamily& family, int16_t count) {
  for (int i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    const std::string tag = family.tagHead + number + family.tagTail;
    // A fresh frame id each time: SetPhoto may renumber the one it is given.
    std::string frame = family.framePrefix + number + "_3X5";
    if (Engine().SetPhoto(tag, frame)) Engine().MapValue(tag + family.numberTail, number);
  }
}

// One sketch or map: its frame, the image's tags, and its addendum.
struct SketchOrMap {
  const char* frame;
  const char* imageTag;
  const char* numberTag;
  const char* formId;
  const char* nameTag;
  const char* defaultTitle;
};

constexpr SketchOrMap kSketchesAndMaps[] = {
    {"SKETCH_SUBJECT", "FLOORPLAN", "FLOORPLANNUM", "sketch", "FLOORPLANNAME", "SKETCH ADDENDUM"},
    {"SKETCH_SITE", "PLATMAP", "PLATMAPNUM", "siteplan", "PLATMAPNAME", "SITE PLAN"},
    {"MAP_LOCATION", "LOCATIONMAP", "LOCATIONMAPNUM", "location", "LOCATIONMAPNAME",
     "LOCATION MAP"},
    {"MAP_GENERAL_1", "GENERALMAP", "GENERALMAPNUM", "xmapa", "GENERALMAPNAME", "GENERAL MAP"},
    {"MAP_FLOOD", "FLOODMAP", "FLOODMAPNUM", "floodmap", "FLOODMAPNAME", "FLOOD MAP"},
};

}  // namespace

std::unique_ptr<XmlEngine>& CurrentEngine() {
  static std::unique_ptr<XmlEngine> engine;
  return engine;
}

void SplitY2KDate(const std::string& ifxTag, const std::string& monthDayAddr,
                  const std::string& yearAddr) {
  ErrorHandler handler("SplitY2KDate");
  std::string d;
  if (!handler.Run([&] { d = Engine().ReadDirect(ifxTag); })) return;
  // Only a day, a month and a year make a date: a time alone or a bare
  // number goes through unchanged.
  if (const std::optional<Date> date = ParseDate(d)) {
    if (!handler.Run([&] { Engine().WriteDirect(monthDayAddr, FormatDate(*date, "mmmm D")); })) {
      return;
    }
    handler.Run([&] { Engine().WriteDirect(yearAddr, FormatDate(*date, "yyyy")); });
  } else {
    handler.Run([&] { Engine().WriteDirect(monthDayAddr, d); });
  }
}

bool AnyTagPresent(XmlEngine& srv, const TextList& tags) {
  for (const std::string& tag : tags) {
    if (!srv.ReadDirect(tag).empty()) return true;
  }
  return false;
}

void AddSubjectPhotos() {
  std::string front = "SUB_1_3X5";
  std::string rear = "SUB_2_3X5";
  std::string street = "SUB_3_3X5";
  Engine().SetPhoto("SUBJECTFRONTVIEW", front);
  Engine().SetPhoto("SUBJECTREARVIEW", rear);
  Engine().SetPhoto("SUBJECTSTREETVIEW", street);
}

void AddCompPhotos(int16_t count) { AddPhotos(kComparablePhotos, count); }
void AddGeneralPhotos(int16_t count) { AddPhotos(kGeneralPhotos, count); }
void AddListingPhotos(int16_t count) { AddPhotos(kListingPhotos, count); }
void AddRentalPhotos(int16_t count) { AddPhotos(kRentalPhotos, count); }

void AddSketchesAndMaps() {
  for (const SketchOrMap& row : kSketchesAndMaps) {
    std::string frame = row.frame;
    if (!Engine().SetPhoto(row.imageTag, frame)) continue;
    // The number and name tags stand where a field address would: written on
    // whatever form is current at that moment (the translator's last form,
    // or the addendum an earlier row made current).
    Engine().WriteDirect(row.numberTag, "1");
    if (Engine().SetForm(row.formId)) {
      Engine().SetAlias(row.nameTag, "5|1");
    } else {
      Engine().WriteDirect(row.nameTag, row.defaultTitle);
    }
  }
  // The last attached row's addendum stays current: translators call this last.
}

std::string LongDate(const std::string& text) {
  try {
    if (const std::optional<Date> date = ParseDate(text)) return FormatDate(*date, "mmmm d, yyyy");
  } catch (...) {
    // Falls back to the text as given, whatever went wrong.
  }
  return text;
}

}  // namespace ombrel
