// The signer blocks and report profile from the project document, then the
// form "cna" from its header down to the appraiser's third signing date.
#include "translators/supplemental/cna.h"

#include <string>

#include "engine/common_forms.h"
#include "engine/table_text.h"

namespace ombrel {

void CNA::EntrainMain() {
  // Signer blocks and report profile, rewritten from this document; each
  // signer block makes "cna" current again
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Header and project type
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  CheckAlias("PROJTYPE", "5|1", "CONDO", {"5|2", "PUD"});
  SetAlias("COMMENTSIGCHANGES", "31|1");
  SplitY2KDate(Server_(), "APPRAISERDTSIGNED", "40|1", "40|2");

  // Project, address and elements
  SetAlias("NBRHOODPROJNM", "47|1");
  SetAlias("PHASENUM", "47|2");
  SetAlias("PROPADDR", "48|1");
  SetAlias("CITY", "48|2");
  SetAlias("STATEPROV", "48|3");
  SetAlias("ZIP", "48|4");
  SetAlias("DEVCONVERSIONPLAN", "51|1");
  SetAlias("PROJELEMENTSREC", "57|1");
  SetAlias("PROJELEMENTSRECPUBLIC", "66|1");
  SetAlias("ADEQUACYSTORAGESPACE", "70|1");
  SetAlias("ADEQUACYLAUNDRY", "72|1");
  SetAlias("ADEQUACYTRASHREMOVAL", "74|1");
  SetAlias("ADEQUACYPARKING", "76|1");
  SetAlias("ADEQUACYSOUNDPROOFING", "78|1");

  // The header's case and file numbers once more, into the same cells
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");

  // Unit types 1 to 8, none skipped
  for (int n = 1; n <= 8; ++n) UnitType(n);

  // Totals of the unit grid, sales and competition
  SetAlias("UNITTOTMOASOCDUES", "98|1");
  SetAlias("UNITTOTNUMPLANNED", "98|2");
  SetAlias("UNITTOTNUMSOLD", "98|3");
  SetAlias("UNITTOTNUMCOMPLETE", "98|4");
  SetAlias("SALESPERFORMANCE", "99|1");
  SetAlias("NUMUNSOLDUNITS", "104|1");
  SetAlias("ESTABSORPTIONTIME", "104|2");
  SetAlias("COMMENTSLOWSALES", "105|1");
  SetAlias("PROJDENSITY", "108|1");
  SetAlias("PRIORPHASEUNITSFORSALE", "111|1");
  SetAlias("RENTALSALESCONCESSIONS", "114|1");
  SetAlias("UNITSRETAINEDBYDEV", "117|1");
  SetAlias("NEARBYCOMPETITION", "121|1");
  SetAlias("POTENTIALCONDOPUDUNITS", "126|1");
  SetAlias("COMMENTSCONDOPUDSALES", "132|1");
  SplitY2KDate(Server_(), "APPRAISERDTSIGNED", "137|1", "137|2");

  // Alterations, structural integrity, units sold to tenants, general comments
  SetAlias("ALTERATIONSMODREPAIRS", "139|1");
  SetAlias("INCOMPLETEITEMS", "144|1");
  SetAlias("INTEGRITYCONDREVIEWED", "148|1");
  SetAlias("INTEGRITYCONDDESC", "148|2");
  SetAlias("UNITSSOLDTOTENANTS", "152|1");
  SetAlias("PERCENTSALESDISCOUNT", "152|2");
  SetAlias("SALESCONTOTENANTS", "153|1");
  SetAlias("NUMUNSOLDUNITS2", "156|1");
  SetAlias("ESTABSORPTIONTIME2", "156|2");
  SetAlias("NUMUNSOLDUNITSRENTED", "156|3");
  SetAlias("GENERALCOMMENTS", "157|1");
  SplitY2KDate(Server_(), "APPRAISERDTSIGNED", "165|1", "165|2");
}

void CNA::UnitType(int n) {
  const int line = 89 + n;
  MapValue(Item("UNIT", n, "NUM"), std::to_string(n));
  Combine(Addr(line, 1), " ", 0,
          {Item("UNIT", n, "ROOMTOT"), Item("UNIT", n, "BEDROOMS"), Item("UNIT", n, "BATH")});
  SetAlias(Item("UNIT", n, "LIVINGSQFT"), Addr(line, 2));
  SetAlias(Item("UNIT", n, "PRICELOW"), Addr(line, 3));
  SetAlias(Item("UNIT", n, "PRICEHIGH"), Addr(line, 4));
  SetAlias(Item("UNIT", n, "PRICESQFTLOW"), Addr(line, 5));
  SetAlias(Item("UNIT", n, "PRICESQFTHIGH"), Addr(line, 6));
  SetAlias(Item("UNIT", n, "MOASSOCDUES"), Addr(line, 7));
  SetAlias(Item("UNIT", n, "NUMPLANNED"), Addr(line, 8));
  SetAlias(Item("UNIT", n, "NUMSOLD"), Addr(line, 9));
  SetAlias(Item("UNIT", n, "NUMCOMPLETED"), Addr(line, 10));
}

}  // namespace ombrel
