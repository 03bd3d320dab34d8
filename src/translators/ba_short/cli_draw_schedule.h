// The draw schedule that "CLI" and its continuation "CLIXDRAW" share: cost
// lines (thirty categories, then the contract total on line 51) and pool
// lines, each with the category word of its order tags, in filling order.
#pragma once

#include <array>

namespace ombrel {

struct CliDrawLine {
  int line;
  const char* category;  // CONSTR + category + CCOST, or + DRAW and the draw number
};

inline constexpr std::array<CliDrawLine, 31> kCliCostLines{{
    {21, "PERMITS"},
    {22, "CLEARING"},
    {23, "FOOTINGS"},
    {24, "FOUNDATION"},
    {25, "EXTWALLS"},
    {26, "ROOFTRUSSES"},
    {27, "ROOFSHEATH"},
    {28, "INTERIORFRAME"},
    {29, "WINDOWFRAMES"},
    {30, "2NDPLUMBING"},
    {31, "WIRINGROUGHIN"},
    {32, "HVACDUCTS"},
    {33, "ROOFSHINGLES"},
    {34, "INSULATION"},
    {35, "EXTERIORTRIM"},
    {36, "DRYWALLHUNG"},
    {37, "DRYWALLFINISH"},
    {38, "INTERIORTRIM"},
    {39, "INTERIORPAINT"},
    {40, "SIDING"},
    {41, "EXTERIORPAINT"},
    {42, "EXTERIORDOORS"},
    {43, "CABINETS"},
    {44, "PLUMBING"},
    {45, "ELECTRICAL"},
    {46, "FINISHFLOORING"},
    {47, "APPLIANCES"},
    {48, "HVACCOMPRESSOR"},
    {49, "DRIVEWAY"},
    {50, "LANDSCAPING"},
    {51, "TOTALCONTRACT"},
}};

// Pool lines have draws only, no contract cost.
inline constexpr std::array<CliDrawLine, 4> kCliPoolLines{{
    {53, "POOLEXCAVATION"},
    {54, "POOLSHELL"},
    {55, "POOLCOMPLETION"},
    {56, "POOLTOTAL"},
}};

}  // namespace ombrel
