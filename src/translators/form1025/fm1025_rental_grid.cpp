// One rental comparable's column of the rental grid of "MUL" (comparables 1
// to 3) and of the overflow forms "mulrnt46" and "mulrnt79" (comparables 4 to
// 9, lines 163 higher). Comparable m's column takes field m + 1 on lines with
// a subject field, m on the two proximity lines, 3m to 3m + 2 on the units
// line and 5m to 5m + 4 on the four unit lines.
#include "translators/form1025/fm1025.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1025::RentalColumn(int n) {
  // A differing number in the order is kept for the comparable photo frames
  MapValue(RentComp(n, "NUM"), Num(n));
  SetAlias(RentComp(n, "STREET"), Addr(177, n + 1));
  RentalRows(n, n, 0, "CONCESSIONS");
}

void FM1025::RentalOverflowColumn(int n, int m) {
  // A rental comparable without a street is left out altogether; the overflow
  // forms read the concessions from the order's tags spelled with one S
  if (SetAlias(RentComp(n, "STREET"), Addr(177 - 163, m + 1))) {
    MapValue(RentComp(n, "NUM"), Num(n));
    RentalRows(n, m, 163, "CONCESIONS");
  }
}

void FM1025::RentalRows(int n, int m, int shift, const std::string& concessions) {
  ParseAddress(Addr(178 - shift, m + 1), RentComp(n, "CITY"), RentComp(n, "STATEPROV"),
               RentComp(n, "ZIP"), "", "");
  // Proximity has no subject field
  SetAlias(RentComp(n, "PROXIMITY"), Addr(179 - shift, m));
  SetAlias(RentComp(n, "PROXIMITY2"), Addr(180 - shift, m));
  SetAlias(RentComp(n, "LEASEDT"), Addr(181 - shift, m + 1));
  SetAlias(RentComp(n, "SURVEYDT"), Addr(182 - shift, m + 1));
  SetAlias(RentComp(n, "DATA"), Addr(183 - shift, m + 1));
  SetAlias(RentComp(n, "DATA2"), Addr(184 - shift, m + 1));
  SetAlias(RentComp(n, concessions), Addr(185 - shift, m + 1));
  SetAlias(RentComp(n, concessions + "2"), Addr(186 - shift, m + 1));

  // Units, vacancies and year built share one line, three fields each
  SetAlias(RentComp(n, "NUMUNITS"), Addr(187 - shift, 3 * m));
  SetAlias(RentComp(n, "NUMVACANT"), Addr(187 - shift, 3 * m + 1));
  SetAlias(RentComp(n, "YRBUILT"), Addr(187 - shift, 3 * m + 2));
  SetAlias(RentComp(n, "DESIGNSTYLE"), Addr(188 - shift, m + 1));
  SetAlias(RentComp(n, "APPEAL"), Addr(189 - shift, m + 1));
  SetAlias(RentComp(n, "CONDITION"), Addr(190 - shift, m + 1));
  SetAlias(RentComp(n, "CONDITION2"), Addr(191 - shift, m + 1));
  SetAlias(RentComp(n, "CONDITION3"), Addr(192 - shift, m + 1));

  // Units 1 to 4: rooms, bedrooms, baths, area and rent, five fields each
  SetAlias(RentComp(n, "UNIT1ROOMTOT"), Addr(195 - shift, 5 * m));
  SetAlias(RentComp(n, "UNIT1BEDROOMS"), Addr(195 - shift, 5 * m + 1));
  SetAlias(RentComp(n, "UNIT1BATHS"), Addr(195 - shift, 5 * m + 2));
  SetAlias(RentComp(n, "UNIT1AREASQFT"), Addr(195 - shift, 5 * m + 3));
  SetAlias(RentComp(n, "UNIT1TOTRENT"), Addr(195 - shift, 5 * m + 4));
  SetAlias(RentComp(n, "UNIT2ROOMTOT"), Addr(196 - shift, 5 * m));
  SetAlias(RentComp(n, "UNIT2BEDROOMS"), Addr(196 - shift, 5 * m + 1));
  SetAlias(RentComp(n, "UNIT2BATHS"), Addr(196 - shift, 5 * m + 2));
  SetAlias(RentComp(n, "UNIT2AREASQFT"), Addr(196 - shift, 5 * m + 3));
  SetAlias(RentComp(n, "UNIT2TOTRENT"), Addr(196 - shift, 5 * m + 4));
  SetAlias(RentComp(n, "UNIT3ROOMTOT"), Addr(197 - shift, 5 * m));
  SetAlias(RentComp(n, "UNIT3BEDROOMS"), Addr(197 - shift, 5 * m + 1));
  SetAlias(RentComp(n, "UNIT3BATHS"), Addr(197 - shift, 5 * m + 2));
  SetAlias(RentComp(n, "UNIT3AREASQFT"), Addr(197 - shift, 5 * m + 3));
  SetAlias(RentComp(n, "UNIT3TOTRENT"), Addr(197 - shift, 5 * m + 4));
  SetAlias(RentComp(n, "UNIT4ROOMTOT"), Addr(198 - shift, 5 * m));
  SetAlias(RentComp(n, "UNIT4BEDROOMS"), Addr(198 - shift, 5 * m + 1));
  SetAlias(RentComp(n, "UNIT4BATHS"), Addr(198 - shift, 5 * m + 2));
  SetAlias(RentComp(n, "UNIT4AREASQFT"), Addr(198 - shift, 5 * m + 3));
  SetAlias(RentComp(n, "UNIT4TOTRENT"), Addr(198 - shift, 5 * m + 4));

  // What the rent includes, and additional items
  SetAlias(RentComp(n, "INCLUDED1"), Addr(199 - shift, m + 1));
  SetAlias(RentComp(n, "INCLUDED2"), Addr(200 - shift, m + 1));
  SetAlias(RentComp(n, "INCLUDED3"), Addr(201 - shift, m + 1));
  SetAlias(RentComp(n, "INCLUDED4"), Addr(202 - shift, m + 1));
  SetAlias(RentComp(n, "INCLUDED5"), Addr(203 - shift, m + 1));
  SetAlias(RentComp(n, "INCLUDED6"), Addr(204 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL1"), Addr(205 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL2"), Addr(206 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL3"), Addr(207 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL4"), Addr(208 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL5"), Addr(209 - shift, m + 1));
  SetAlias(RentComp(n, "ADDITIONAL6"), Addr(210 - shift, m + 1));
}

}  // namespace ombrel
