#include "main_table_exceptions.h"

namespace ombrel::testing {

// clang-format off
std::span<const MainTableExceptions> MainTableExceptionsTable() {
  // The 2055 family's three descriptions that stand beside a box of the form
  // go to the addendum, the box keeping its own field.
  static const Calls kForm2055FamilyAddendum = {
      R"(ParseExtended("HIGHESTBESTUSEDESC", "23|2", False))",
      R"(ParseExtended("APPARENTCONDITIONSDESC", "27|1", False))",
      R"(ParseExtended("PROPCONFORMNBRHOODDESC", "31|2", False))",
  };
  static const std::vector<MainTableExceptions> kRows = {
    {.className = "BA2071"},
    {.className = "AUL",
     // The state cell: the certificate's state, then the licence's.
     .fieldsWrittenTwice = {"84|1"}},
    {.className = "BAR",
     // The review appraiser's state: the certificate's, then the licence's.
     .fieldsWrittenTwice = {"57|3"}},
    {.className = "PFI"},
    {.className = "CLI"},
    {.className = "DTV"},
    {.className = "VIE"},
    {.className = "FM2000"},
    {.className = "FM2006"},
    {.className = "ERC2001",
     // The falling box of a trend stands twice in its tick, once for each
     // spelling of "DECREASING".
     .fieldsWrittenTwice = {"31|3", "31|9", "262|3", "267|3", "268|3"}},
    {.className = "FM465S"},
    {.className = "FM1004"},
    {.className = "FM1007"},
    {.className = "FM1025"},
    {.className = "FM1073"},
    {.className = "FM1075",
     // Four blank writes before the lender's address line name the lender's
     // tags themselves.
     .addressesOfNoField = {"LENDERCLIENTSTREET", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV",
                            "LENDERCLIENTZIP"}},
    {.className = "FM2055",
     .addendumComments = kForm2055FamilyAddendum},
    {.className = "QAR",
     .addendumComments = kForm2055FamilyAddendum},
    {.className = "DAWI",
     .addendumComments = kForm2055FamilyAddendum},
    {.className = "FM2065",
     .addendumComments = kForm2055FamilyAddendum},
    {.className = "FM2070"},
    {.className = "FM2075"},
    {.className = "ERC"},
    {.className = "LAND"},
    {.className = "MHAR"},
    {.className = "FM216"},
    {.className = "FM442"},
    {.className = "CNA",
     // The header's case and file numbers, written again before unit type 1.
     .fieldsWrittenTwice = {"2|1", "3|1"}},
    {.className = "INVOICE"},
    {.className = "FHAVC"},
  };
  return kRows;
}
// clang-format on

}  // namespace ombrel::testing
