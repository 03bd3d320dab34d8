// The photos, sketches and maps that each class's addenda attach through the
// shared procedures, one row per class of the factory: how many of each
// numbered kind, and whether the subject's three views and the sketch with
// the four maps are among them.
#pragma once

#include <span>
#include <string_view>

namespace ombrel::testing {

struct AddendaPhotos {
  std::string_view className;
  bool subject;          // SUBJECTFRONTVIEW, SUBJECTREARVIEW, SUBJECTSTREETVIEW
  int comparables;       // COMP(n)PHOTO
  int general;           // ADDPHOTO(n)
  int listings;          // LISTPHOTO(n)
  int rentals;           // RENTPHOTO(n)
  bool sketchesAndMaps;  // FLOORPLAN, PLATMAP, LOCATIONMAP, GENERALMAP, FLOODMAP
};

// One row per class of the factory, in the factory's order.
std::span<const AddendaPhotos> AddendaPhotosTable();

}  // namespace ombrel::testing
