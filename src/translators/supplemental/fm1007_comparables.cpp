// One rent comparable's column of the rent grid of "rent2". Comparable n
// writes at the field of comparable 1 plus (n - 1) times the row's step.
#include "translators/supplemental/fm1007.h"

#include <string>

#include "engine/table_text.h"

namespace ombrel {

void FM1007::RentComparableColumn(int n) {
  const int k = n - 1;
  if (!SetAlias(RentComp(n, "STREET"), Addr(8, 2 + k))) return;
  MapValue(RentComp(n, "NUM"), std::to_string(n));
  ParseAddress(Addr(9, 2 + k), RentComp(n, "CITY"), RentComp(n, "STATEPROV"), RentComp(n, "ZIP"),
               "", "");

  // Proximity, lease and rents
  SetAlias(RentComp(n, "PROXIMITY"), Addr(10, 1 + k));
  SetAlias(RentComp(n, "PROXIMITY2"), Addr(11, 1 + k));
  SetAlias(RentComp(n, "LEASEBEGINDT"), Addr(12, 2 + k));
  SetAlias(RentComp(n, "LEASEENDDT"), Addr(13, 2 + k));
  SetAlias(RentComp(n, "GROSSMORENT"), Addr(15, 2 + k));
  SetAlias(RentComp(n, "LESSUTILITIES"), Addr(16, 2 + k));
  SetAlias(RentComp(n, "LESSFURNITURE"), Addr(17, 2 + k));
  SetAlias(RentComp(n, "ADJMORENT"), Addr(19, 2 + k));
  SetAlias(RentComp(n, "DATA"), Addr(20, 2 + k));
  SetAlias(RentComp(n, "DATA2"), Addr(21, 2 + k));

  // Description and adjustments, two cells per comparable
  SetAlias(RentComp(n, "CONCESSIONS"), Addr(23, 1 + 2 * k));
  SetAlias(RentComp(n, "CONCESSIONSADJ"), Addr(23, 2 + 2 * k));
  SetAlias(RentComp(n, "CONCESSIONS2"), Addr(24, 1 + 2 * k));
  SetAlias(RentComp(n, "CONCESSIONS2ADJ"), Addr(24, 2 + 2 * k));
  SetAlias(RentComp(n, "LOCATION"), Addr(25, 2 + 2 * k));
  SetAlias(RentComp(n, "LOCATIONADJ"), Addr(25, 3 + 2 * k));
  SetAlias(RentComp(n, "VIEW"), Addr(26, 2 + 2 * k));
  SetAlias(RentComp(n, "VIEWADJ"), Addr(26, 3 + 2 * k));
  SetAlias(RentComp(n, "DESIGNSTYLE"), Addr(27, 2 + 2 * k));
  SetAlias(RentComp(n, "DESIGNSTYLEADJ"), Addr(27, 3 + 2 * k));
  SetAlias(RentComp(n, "APPEAL"), Addr(28, 2 + 2 * k));
  SetAlias(RentComp(n, "APPEALADJ"), Addr(28, 3 + 2 * k));
  SetAlias(RentComp(n, "AGE"), Addr(29, 2 + 2 * k));
  SetAlias(RentComp(n, "AGEADJ"), Addr(29, 3 + 2 * k));
  SetAlias(RentComp(n, "CONDITION"), Addr(30, 2 + 2 * k));
  SetAlias(RentComp(n, "CONDITIONADJ"), Addr(30, 3 + 2 * k));

  // Rooms, four cells per comparable after the subject's three
  SetAlias(RentComp(n, "ABOVEGRADEADJ"), Addr(31, 1 + k));
  SetAlias(RentComp(n, "ROOMTOT"), Addr(32, 4 + 4 * k));
  SetAlias(RentComp(n, "BEDROOMS"), Addr(32, 5 + 4 * k));
  SetAlias(RentComp(n, "BATH"), Addr(32, 6 + 4 * k));
  SetAlias(RentComp(n, "ABOVEGRADEADJ2"), Addr(32, 7 + 4 * k));

  // Living area and the four additional lines
  SetAlias(RentComp(n, "LIVINGSQFT"), Addr(33, 2 + 2 * k));
  SetAlias(RentComp(n, "LIVINGSQFTADJ"), Addr(33, 3 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL1"), Addr(34, 2 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL1ADJ"), Addr(34, 3 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL2"), Addr(35, 2 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL2ADJ"), Addr(35, 3 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL3"), Addr(36, 2 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL3ADJ"), Addr(36, 3 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL4"), Addr(37, 2 + 2 * k));
  SetAlias(RentComp(n, "ADDITIONAL4ADJ"), Addr(37, 3 + 2 * k));

  // Net adjustment, three cells per comparable, and the indicated rent
  CheckAlias(RentComp(n, "NETADJUSTPOSNEG"), Addr(38, 1 + 3 * k), "POSITIVE",
             {Addr(38, 2 + 3 * k), "NEGATIVE"});
  SetAlias(RentComp(n, "NETADJUSTTOT"), Addr(38, 3 + 3 * k));
  SetAlias(RentComp(n, "INDMORENT"), Addr(40, 1 + k));
}

}  // namespace ombrel
