// Page 4 of "ER3": the listing grid (the subject's listing and listing
// comparables 1 to 3) and the comments on market trends.
#include "translators/erc/erc.h"

#include "engine/table_text.h"

namespace ombrel {

void ERC::ListingComparables() {
  SetAlias("CASE_NO", "259|2");
  SetAlias("FILENUM", "260|1");

  // The subject's listing, in field 1 of each line; three fields for the room counts
  SetAlias("LISTSUBJECTADDRSTREET", "265|1");
  ParseAddress("266|1", "LISTSUBJECTADDRCITY", "LISTSUBJECTADDRSTATEPROV", "LISTSUBJECTADDRZIP",
               "", "");
  SetAlias("LISTSUBJECTORGPRICE", "268|1");
  SetAlias("LISTSUBJECTLISTINGPRICE", "269|1");
  SetAlias("LISTSUBJECTPRICEREVDT", "270|1");
  SetAlias("LISTSUBJECTMARKETDAYS", "271|1");
  SetAlias("LISTSUBJECTLOCATION", "272|1");
  Combine("273|1", " / ", 0, {"LISTSUBJECTSITE", "LISTSUBJECTVIEW"});
  SetAlias("LISTSUBJECTDESIGNSTYLE", "274|1");
  SetAlias("LISTSUBJECTCONSTRUCT", "275|1");
  SetAlias("LISTSUBJECTAGEYRS", "276|1");
  SetAlias("LISTSUBJECTCONDITION", "277|1");
  SetAlias("LISTSUBJECTAPPEALDECOR", "278|1");
  SetAlias("LISTSUBJECTROOMTOT", "279|1");
  SetAlias("LISTSUBJECTBEDROOMS", "279|2");
  SetAlias("LISTSUBJECTBATH", "279|3");
  SetAlias("LISTSUBJECTLIVINGSQFT", "280|1");
  Combine("281|1", " / ", 0, {"LISTSUBJECTBASEMENT", "LISTSUBJECTBASEMENTFIN"});
  SetAlias("LISTSUBJECTFUNCTIONAL", "282|1");
  SetAlias("LISTSUBJECTHEATINGCOOL", "283|1");
  SetAlias("LISTSUBJECTGARAGE", "284|1");
  SetAlias("LISTSUBJECTDECKPATIOPOOL", "285|1");
  SetAlias("LISTSUBJECTSIGFEATURE", "286|1");
  SetAlias("LISTSUBJECTFIREPLACE", "287|1");
  SetAlias("LISTSUBJECTUNLABDESC", "288|1");
  SetAlias("LISTSUBJECTUNLABTWODESC", "289|1");

  ListingColumn(1);
  ListingColumn(2);
  ListingColumn(3);

  // Market trends
  ParseExtended("HISTORICTRENDS", "305|1", true);
  ParseExtended("FORECASTEDTRENDS", "315|1", true);
  ParseExtended("ADDITIONALFACTORS", "328|1", true);
}

// Listing comparable n takes field n + 1 of a line that has a subject field,
// field n of the proximity line, and fields 3n + 1 to 3n + 3 of the room
// counts; its comment on how its value differs has a line of its own.
void ERC::ListingColumn(int n) {
  // A differing number in the order is kept under this listing's number
  MapValue(ListComp(n, "NUM"), std::to_string(n));
  SetAlias(ListComp(n, "STREET"), Addr(265, n + 1));
  ParseAddress(Addr(266, n + 1), ListComp(n, "CITY"), ListComp(n, "STATEPROV"),
               ListComp(n, "ZIP"), "", "");
  SetAlias(ListComp(n, "PROXIMITY"), Addr(267, n));
  SetAlias(ListComp(n, "ORGPRICE"), Addr(268, n + 1));
  SetAlias(ListComp(n, "LISTINGPRICE"), Addr(269, n + 1));
  SetAlias(ListComp(n, "PRICEREVDT"), Addr(270, n + 1));
  SetAlias(ListComp(n, "MARKETDAYS"), Addr(271, n + 1));
  SetAlias(ListComp(n, "LOCATION"), Addr(272, n + 1));
  Combine(Addr(273, n + 1), " / ", 0, {ListComp(n, "SITE"), ListComp(n, "VIEW")});
  SetAlias(ListComp(n, "DESIGNSTYLE"), Addr(274, n + 1));
  SetAlias(ListComp(n, "CONSTRUCT"), Addr(275, n + 1));
  SetAlias(ListComp(n, "AGEYRS"), Addr(276, n + 1));
  SetAlias(ListComp(n, "CONDITION"), Addr(277, n + 1));
  SetAlias(ListComp(n, "APPEALDECOR"), Addr(278, n + 1));
  SetAlias(ListComp(n, "ROOMTOT"), Addr(279, 3 * n + 1));
  SetAlias(ListComp(n, "BEDROOMS"), Addr(279, 3 * n + 2));
  SetAlias(ListComp(n, "BATH"), Addr(279, 3 * n + 3));
  SetAlias(ListComp(n, "LIVINGSQFT"), Addr(280, n + 1));
  Combine(Addr(281, n + 1), " / ", 0, {ListComp(n, "BASEMENT"), ListComp(n, "BASEMENTFIN")});
  SetAlias(ListComp(n, "FUNCTIONAL"), Addr(282, n + 1));
  SetAlias(ListComp(n, "HEATINGCOOL"), Addr(283, n + 1));
  SetAlias(ListComp(n, "GARAGE"), Addr(284, n + 1));
  SetAlias(ListComp(n, "DECKPATIOPOOL"), Addr(285, n + 1));
  SetAlias(ListComp(n, "SIGFEATURE"), Addr(286, n + 1));
  SetAlias(ListComp(n, "FIREPLACE"), Addr(287, n + 1));
  SetAlias(ListComp(n, "UNLABELED"), Addr(288, n + 1));
  SetAlias(ListComp(n, "UNLABELEDTWO"), Addr(289, n + 1));
  ParseExtended(ListComp(n, "VALUEDIFFER"), Addr(292 + 4 * (n - 1), 1), true);
}

}  // namespace ombrel
