// Translator of order form "ERC" onto the six-page form "ER3": case and client,
// subject, neighbourhood, site, improvements, listing and sale comparables,
// value and certification; sale comparables 4 to 6 go onto "er3cmp46".
#pragma once

#include <string>

#include "engine/translator.h"

namespace ombrel {

class ERC final : public Translator {
 public:
  ERC() : Translator({"ERC", "ERC", "ER3", "ERC-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Sections of "ER3", in the order EntrainMain makes them.
  void FirstPage();           // lines 3 to 11
  void SubjectAndSite();      // lines 87 to 163
  void Improvements();        // lines 173 to 251
  void ListingComparables();  // lines 259 to 328
  void SalesComparison();     // lines 345 to 424
  void Certification();       // lines 431 to 506

  // Listing comparable n (1 to 3) in its column of the listing grid.
  void ListingColumn(int n);
  // Sale comparable n (1 to 3) in its column of the sales grid of "ER3".
  void SaleColumn(int n);
  // Sale comparable n (4 to 6) in column k (1 to 3) of "er3cmp46"; its street
  // guards the rest of the column.
  void OverflowSaleColumn(int n, int k);
  // The rows of sale comparable n from its city to its adjusted sales price,
  // in column k, on the lines of "ER3" moved up by shift.
  void SaleRows(int n, int k, int shift);

  // Splits the phone number held by ifxTag into the area-code field and the
  // number field of the current form; reports its own errors and goes on.
  // Hides the engine's ParsePhone, which splits by other rules.
  void ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                  const std::string& phoneNumber);
};

}  // namespace ombrel
