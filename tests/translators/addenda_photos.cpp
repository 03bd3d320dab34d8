#include "addenda_photos.h"

#include <array>

namespace ombrel::testing {

namespace {

// A supplemental form attaches nothing: its main form's report has the photos.
// clang-format off
constexpr std::array<AddendaPhotos, 30> kRows{{
    // class     subject comparables general listings rentals sketches and maps
    {"BA2071",   false,  0,          0,      0,       0,      false},
    {"AUL",      false,  0,          0,      0,       0,      false},
    {"BAR",      false,  0,          0,      0,       0,      false},
    {"PFI",      true,   0,          0,      0,       0,      true},
    {"CLI",      true,   0,          0,      0,       0,      true},
    {"DTV",      false,  0,          0,      0,       0,      false},
    {"VIE",      false,  0,          0,      0,       0,      false},
    {"FM2000",   true,   6,          18,     0,       0,      true},
    // The review checklist has no sketch and no maps.
    {"FM2006",   true,   3,          18,     0,       0,      false},
    {"ERC2001",  true,   6,          18,     3,       0,      true},
    {"FM465S",   false,  0,          0,      0,       0,      false},
    {"FM1004",   true,   9,          18,     3,       3,      true},
    {"FM1007",   false,  0,          0,      0,       0,      false},
    {"FM1025",   true,   9,          18,     6,       9,      true},
    {"FM1073",   true,   9,          18,     3,       3,      true},
    {"FM1075",   true,   9,          18,     0,       0,      true},
    {"FM2055",   true,   9,          6,      0,       0,      true},
    {"QAR",      true,   9,          6,      0,       0,      true},
    {"DAWI",     true,   9,          6,      0,       0,      true},
    {"FM2065",   true,   9,          18,     0,       0,      true},
    {"FM2070",   true,   0,          6,      0,       0,      true},
    {"FM2075",   true,   0,          6,      0,       0,      true},
    {"ERC",      true,   6,          18,     0,       0,      true},
    {"LAND",     true,   9,          18,     0,       0,      true},
    {"MHAR",     true,   9,          18,     0,       0,      true},
    {"FM216",    false,  0,          0,      0,       0,      false},
    {"FM442",    false,  0,          0,      0,       0,      false},
    {"CNA",      false,  0,          0,      0,       0,      false},
    {"INVOICE",  false,  0,          0,      0,       0,      false},
    {"FHAVC",    false,  0,          0,      0,       0,      false},
}};
// clang-format on

}  // namespace

std::span<const AddendaPhotos> AddendaPhotosTable() { return kRows; }

}  // namespace ombrel::testing
