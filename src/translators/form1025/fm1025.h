// Translator of order form 1025 onto the small income-property form "MUL" and
// its overflow forms for listing, rental and sales comparables beyond the
// third. Its two procedures are fixed tables of engine calls; each grid's
// comparable column is one template, shared by the main and overflow forms.
#pragma once

#include <string>

#include "engine/translator.h"

namespace ombrel {

class FM1025 final : public Translator {
 public:
  FM1025() : Translator({"FM1025", "1025", "MUL", "MUL-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Listing comparable n (1 to 3) of the listing grid of "MUL": number check, street, rows.
  void ListingColumn(int n);
  // Listing comparable n (4 to 6) at place m of "mullst46": the street guards the rest.
  void ListingOverflowColumn(int n, int m);
  // The rows of listing comparable n after its street, in the column of main
  // comparable m, on lines lowered by shift.
  void ListingRows(int n, int m, int shift);

  // Rental comparable n (1 to 3) of the rental grid of "MUL".
  void RentalColumn(int n);
  // Rental comparable n (4 to 9) at place m of "mulrnt46" or "mulrnt79".
  void RentalOverflowColumn(int n, int m);
  // The rows of rental comparable n after its street; concessions names the
  // order's tag of the concessions line ("CONCESSIONS" on "MUL", "CONCESIONS"
  // on the overflow forms), the second line taking the same tag with a 2.
  void RentalRows(int n, int m, int shift, const std::string& concessions);

  // Sales comparable n (1 to 3) of the sales comparison grid of "MUL".
  void SalesColumn(int n);
  // Sales comparable n (4 to 9) at place m of "mulcmp46" or "mulcmp79".
  void SalesOverflowColumn(int n, int m);
  // The rows of sales comparable n after its street; the three prior-sale
  // lines are lowered by priorSaleShift instead of shift.
  void SalesRows(int n, int m, int shift, int priorSaleShift);

  // A comparable's number as its check expects it.
  static std::string Num(int n) { return std::to_string(n); }
};

}  // namespace ombrel
