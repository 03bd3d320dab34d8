// Translator of order form "ERC2001" onto the long single-dwelling form "ERS":
// overview, subject, neighbourhood, site, improvements, market conditions,
// listing and sales grids, reconciliation and certification; sale
// comparables 4 to 6 go onto "erscmp46".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class ERC2001 final : public Translator {
 public:
  ERC2001() : Translator({"ERC2001", "ERC2001", "ERS", "ERS-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Sections of "ERS", in the order EntrainMain makes them.
  void ClientAndAppraiser();  // lines 7 to 17
  void Overview();            // lines 20 to 31
  void Subject();             // lines 87 to 108
  void Neighborhood();        // lines 112 to 137
  void Site();                // lines 140 to 162
  void Improvements();        // lines 174 to 216
  void Condition();           // lines 227 to 249
  void MarketConditions();    // lines 258 to 272
  void ListingComparables();  // lines 282 to 332
  void SalesComparison();     // lines 348 to 404
  void Reconciliation();      // lines 411 to 414
  void Certification();       // lines 489 to 500

  // Listing n (1 to 3) in its column of the listing grid.
  void ListingColumn(int n);
  // Sale comparable n (1 to 3) in its column of the sales grid of "ERS".
  void SaleColumn(int n);
  // Sale comparable n (4 to 6) in column k (1 to 3) of "erscmp46"; its street
  // guards the rest of the column.
  void OverflowSaleColumn(int n, int k);
  // The rows of sale comparable n from its proximity to its adjusted sales
  // price, in column k, on the lines of "ERS" moved up by shift.
  void SaleRows(int n, int k, int shift);
};

}  // namespace ombrel
