// The listing grid of "ERS": the subject's listing and listings 1 to 3, then
// the comments on how each listing's value differs and on the listing market.
#include "translators/erc/erc2001.h"

#include "engine/table_text.h"

namespace ombrel {

void ERC2001::ListingComparables() {
  // The subject's listing, in field 1 of each line (the proximity line has
  // none for it; the second to fourth features have a caption in field 1).
  // City, state and zip share the one field of line 283: joined, so that
  // none of the three replaces another.
  SetAlias("LISTSUBJECTADDRSTREET", "282|1");
  ParseCityLine("283|1", "LISTSUBJECTADDRCITY", "LISTSUBJECTADDRSTATEPROV", "LISTSUBJECTADDRZIP");
  SetAlias("LISTSUBJECTORGPRICE", "285|1");
  SetAlias("LISTSUBJECTLISTINGPRICE", "286|1");
  SetAlias("LISTSUBJECTPRICEREVDT", "287|1");
  SetAlias("LISTSUBJECTMARKETDAYS", "288|1");
  SetAlias("LISTSUBJECTLOCATION", "289|1");
  SetAlias("LISTSUBJECTSITE", "290|1");
  SetAlias("LISTSUBJECTVIEW", "291|1");
  SetAlias("LISTSUBJECTDESIGNSTYLE", "292|1");
  SetAlias("LISTSUBJECTCONSTRUCT", "293|1");
  SetAlias("LISTSUBJECTAGEYRS", "294|1");
  SetAlias("LISTSUBJECTCONDITION", "295|1");
  SetAlias("LISTSUBJECTAPPEALDECOR", "296|1");
  SetAlias("LISTSUBJECTROOMTOT", "297|1");
  SetAlias("LISTSUBJECTBEDROOMS", "297|2");
  SetAlias("LISTSUBJECTBATH", "297|3");
  SetAlias("LISTSUBJECTLIVINGSQFT", "298|1");
  SetAlias("LISTSUBJECTBASEMENT", "299|1");
  SetAlias("LISTSUBJECTBASEMENTFIN", "300|1");
  SetAlias("LISTSUBJECTFUNCTIONAL", "301|1");
  SetAlias("LISTSUBJECTHEATINGCOOL", "302|1");
  SetAlias("LISTSUBJECTGARAGE", "303|1");
  SetAlias("LISTSUBJECTFIREPLACE", "304|1");
  SetAlias("LISTSUBJECTSIGFEATURE", "305|1");
  SetAlias("LISTSUBJECTSIGFEATURE2", "306|2");
  SetAlias("LISTSUBJECTSIGFEATURE3", "307|2");
  SetAlias("LISTSUBJECTSIGFEATURE4", "308|2");

  ListingColumn(1);
  ListingColumn(2);
  ListingColumn(3);

  // Comments
  ParseExtended("LISTCOMP(1)VALUEDIFFER", "311|1", true);
  ParseExtended("LISTCOMP(2)VALUEDIFFER", "314|1", true);
  ParseExtended("LISTCOMP(3)VALUEDIFFER", "317|1", true);
  ParseExtended("LISTCOMPMARKETDATA", "321|1", true);
  SetAlias("COMPETITIVELISTPRICEFROM", "332|1");
  SetAlias("COMPETITIVELISTPRICETO", "332|2");
}

// Listing n takes field n + 1 of a line that has a subject field, field n of
// the proximity line, field n + 2 of a line with a caption, and fields
// 3n + 1 to 3n + 3 of the room counts. Its tags carry no ADDR.
void ERC2001::ListingColumn(int n) {
  // A differing number in the order is kept under this listing's number
  MapValue(ListComp(n, "NUM"), std::to_string(n));
  SetAlias(ListComp(n, "STREET"), Addr(282, n + 1));
  ParseCityLine(Addr(283, n + 1), ListComp(n, "CITY"), ListComp(n, "STATEPROV"),
                ListComp(n, "ZIP"));
  SetAlias(ListComp(n, "PROXIMITY"), Addr(284, n));
  SetAlias(ListComp(n, "ORGPRICE"), Addr(285, n + 1));
  SetAlias(ListComp(n, "LISTINGPRICE"), Addr(286, n + 1));
  SetAlias(ListComp(n, "PRICEREVDT"), Addr(287, n + 1));
  SetAlias(ListComp(n, "MARKETDAYS"), Addr(288, n + 1));
  SetAlias(ListComp(n, "LOCATION"), Addr(289, n + 1));
  SetAlias(ListComp(n, "SITE"), Addr(290, n + 1));
  SetAlias(ListComp(n, "VIEW"), Addr(291, n + 1));
  SetAlias(ListComp(n, "DESIGNSTYLE"), Addr(292, n + 1));
  SetAlias(ListComp(n, "CONSTRUCT"), Addr(293, n + 1));
  SetAlias(ListComp(n, "AGEYRS"), Addr(294, n + 1));
  SetAlias(ListComp(n, "CONDITION"), Addr(295, n + 1));
  SetAlias(ListComp(n, "APPEALDECOR"), Addr(296, n + 1));
  SetAlias(ListComp(n, "ROOMTOT"), Addr(297, 3 * n + 1));
  SetAlias(ListComp(n, "BEDROOMS"), Addr(297, 3 * n + 2));
  SetAlias(ListComp(n, "BATH"), Addr(297, 3 * n + 3));
  SetAlias(ListComp(n, "LIVINGSQFT"), Addr(298, n + 1));
  SetAlias(ListComp(n, "BASEMENT"), Addr(299, n + 1));
  SetAlias(ListComp(n, "BASEMENTFIN"), Addr(300, n + 1));
  SetAlias(ListComp(n, "FUNCTIONAL"), Addr(301, n + 1));
  SetAlias(ListComp(n, "HEATINGCOOL"), Addr(302, n + 1));
  SetAlias(ListComp(n, "GARAGE"), Addr(303, n + 1));
  SetAlias(ListComp(n, "FIREPLACE"), Addr(304, n + 1));
  SetAlias(ListComp(n, "SIGFEATURE"), Addr(305, n + 1));
  SetAlias(ListComp(n, "SIGFEATURE2"), Addr(306, n + 2));
  SetAlias(ListComp(n, "SIGFEATURE3"), Addr(307, n + 2));
  SetAlias(ListComp(n, "SIGFEATURE4"), Addr(308, n + 2));
}

}  // namespace ombrel
