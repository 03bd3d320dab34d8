#include "engine/common_forms.h"

#include <string>

#include "platform/text/dates.h"
#include "services/error_handler.h"

namespace ombrel {

namespace {

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

void AddPhotos(XmlEngine& srv, const PhotoFamily& family, int16_t count) {
  for (int i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    const std::string tag = family.tagHead + number + family.tagTail;
    // A fresh frame id each time: SetPhoto may renumber the one it is given.
    std::string frame = family.framePrefix + number + "_3X5";
    if (srv.SetPhoto(tag, frame)) srv.MapValue(tag + family.numberTail, number);
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

void SplitY2KDate(XmlEngine& srv, const std::string& ifxTag, const std::string& monthDayAddr,
                  const std::string& yearAddr) {
  ErrorHandler handler(srv.Services(), "SplitY2KDate");
  std::string d;
  if (!handler.Run([&] { d = srv.ReadDirect(ifxTag); })) return;
  // Only a day, a month and a year make a date: a time alone or a bare
  // number goes through unchanged.
  if (const std::optional<Date> date = ParseDate(d)) {
    if (!handler.Run([&] { srv.WriteDirect(monthDayAddr, FormatDate(*date, "mmmm D")); })) {
      return;
    }
    handler.Run([&] { srv.WriteDirect(yearAddr, FormatDate(*date, "yyyy")); });
  } else {
    handler.Run([&] { srv.WriteDirect(monthDayAddr, d); });
  }
}

bool AnyTagPresent(XmlEngine& srv, const TextList& tags) {
  for (const std::string& tag : tags) {
    if (!srv.ReadDirect(tag).empty()) return true;
  }
  return false;
}

void AddSubjectPhotos(XmlEngine& srv) {
  std::string front = "SUB_1_3X5";
  std::string rear = "SUB_2_3X5";
  std::string street = "SUB_3_3X5";
  srv.SetPhoto("SUBJECTFRONTVIEW", front);
  srv.SetPhoto("SUBJECTREARVIEW", rear);
  srv.SetPhoto("SUBJECTSTREETVIEW", street);
}

void AddCompPhotos(XmlEngine& srv, int16_t count) { AddPhotos(srv, kComparablePhotos, count); }
void AddGeneralPhotos(XmlEngine& srv, int16_t count) { AddPhotos(srv, kGeneralPhotos, count); }
void AddListingPhotos(XmlEngine& srv, int16_t count) { AddPhotos(srv, kListingPhotos, count); }
void AddRentalPhotos(XmlEngine& srv, int16_t count) { AddPhotos(srv, kRentalPhotos, count); }

void AddSketchesAndMaps(XmlEngine& srv) {
  for (const SketchOrMap& row : kSketchesAndMaps) {
    std::string frame = row.frame;
    if (!srv.SetPhoto(row.imageTag, frame)) continue;
    // The number and name tags stand where a field address would: written on
    // whatever form is current at that moment (the translator's last form,
    // or the addendum an earlier row made current).
    srv.WriteDirect(row.numberTag, "1");
    if (srv.SetForm(row.formId)) {
      srv.SetAlias(row.nameTag, "5|1");
    } else {
      srv.WriteDirect(row.nameTag, row.defaultTitle);
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
