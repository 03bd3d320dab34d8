// The main form "ERS": signer blocks and report profile, then its sections in
// order. This file holds the opening lines (client, owner, property,
// appraiser, and the overview of value, listing, dwelling and market), the
// subject, the neighbourhood and the site.
#include "translators/erc/erc2001.h"

namespace ombrel {

void ERC2001::EntrainMain() {
  // Signer blocks and report profile; each signer block makes "ERS" current again.
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  ClientAndAppraiser();
  Overview();
  Subject();
  Neighborhood();
  Site();
  Improvements();
  Condition();
  MarketConditions();
  ListingComparables();
  SalesComparison();
  Reconciliation();
  Certification();
}

void ERC2001::ClientAndAppraiser() {
  SetAlias("LENDERCLIENT", "7|1");
  SetAlias("LENDERCLIENTFILENUM", "7|2");
  SetAlias("LENDERCLIENTSTREET", "8|1");
  SetAlias("LENDERCLIENTSUITE", "8|2");
  SetAlias("LENDERCLIENTCITY", "9|1");
  SetAlias("LENDERCLIENTSTATEPROV", "9|2");
  SetAlias("LENDERCLIENTZIP", "9|3");
  SetAlias("CURRENTOWNER", "10|1");
  SetAlias("PROPADDR", "11|1");
  SetAlias("COUNTY", "11|2");
  SetAlias("CITY", "12|1");
  SetAlias("STATEPROV", "12|2");
  SetAlias("ZIP", "12|3");
  SetAlias("APPRAISERCONAME", "13|1");
  SetAlias("APPRAISERFILENUM", "13|2");
  SetAlias("APPRAISER", "14|1");
  ParsePhone("APPRAISERPHONE", "14|2", "14|3");
  SetAlias("APPRAISERSTREET", "15|1");
  SetAlias("APPRAISERSUITE", "15|2");
  SetAlias("APPRAISERCITY", "16|1");
  SetAlias("APPRAISERSTATEPROV", "16|2");
  SetAlias("APPRAISERZIP", "16|3");
  ParsePhone("APPRAISERFAX", "17|1", "17|2");
  SetAlias("APPRAISEREMAIL", "17|3");
}

// The opening page repeats values that later sections hold too; each is
// written at both places.
void ERC2001::Overview() {
  SetAlias("ESTMARKETVALUE", "20|1");
  SetAlias("ESTMARKETVALUEDT", "21|1");
  CheckAlias("PROPCURRENTLISTED", "22|1", "YES", {"22|2", "NO"});
  SetAlias("CURRENTLISTPRICE", "23|1");
  SetAlias("TOTDAYSMARKET", "24|1");
  SetAlias("GENERALAGEYRS", "26|1");
  SetAlias("GENERALNUMSTORIES", "27|1");
  SetAlias("ABOVEGRADEROOMS", "28|1");
  SetAlias("ABOVEGRADEBEDROOMS", "28|2");
  SetAlias("ABOVEGRADEBATHS", "28|3");
  CheckAlias("GENERALTYPE", "26|2", "ATTACHED", {"26|3", "DETACHED"});
  SetAlias("GENERALDESIGNSTYLE", "27|2");
  SetAlias("ABOVEGRADEAREASQFT", "28|4");
  // "FACTORSADVERSECONDITIONS" beside "FACTORADVERSEEASEMENTS": the order's own spellings
  CheckAlias("REQUIREDINSPECTIONS", "20|2", "YES", {"20|3", "NO"});
  CheckAlias("FACTORSADVERSECONDITIONS", "21|2", "YES", {"21|3", "NO"});
  CheckAlias("FACTORREPAIRS", "22|3", "YES", {"22|4", "NO"});
  CheckAlias("COMMENTADVERSECONDYESNO", "24|2", "YES", {"24|3", "NO"});
  CheckAlias("FACTORADVERSEEASEMENTS", "23|2", "YES", {"23|3", "NO"});
  CheckAlias("ADVERSEFINANCING", "25|1", "YES", {"25|2", "NO"});
  CheckAlias("NEWCONSTRUCT", "26|4", "YES", {"26|5", "NO"});
  CheckAlias("REOFORECLOSURE", "27|3", "YES", {"27|4", "NO"});
  // The falling box knows "DECREASING" as the form's other ticks spell it, and
  // " DECREASING" with a leading blank, as orders may carry it
  CheckAlias("HISTORICPRICE", "31|1", "INCREASING",
             {"31|2", "STABLE", "31|3", " DECREASING", "31|3", "DECREASING"});
  CheckAlias("CURRENTSUPPLYDEMAND", "31|4", "UNDERSUPPLY",
             {"31|5", "INBALANCE", "31|6", "OVERSUPPLY"});
  CheckAlias("FORECASTEDPRICE", "31|7", "INCREASING",
             {"31|8", "STABLE", "31|9", " DECREASING", "31|9", "DECREASING"});
}

void ERC2001::Subject() {
  SetAlias("CASE_NO", "87|1");
  SetAlias("FILENUM", "88|1");
  SetAlias("CURRENTOWNER", "89|1");
  CheckAlias("CURRENTOCCUPANT", "89|2", "HOMEOWNER", {"89|3", "TENANT", "89|4", "VACANT"});
  SetAlias("PROPADDR", "90|1");
  SetAlias("COUNTY", "90|2");
  SetAlias("CITY", "91|1");
  SetAlias("STATEPROV", "91|2");
  SetAlias("ZIP", "91|3");
  ParseExtended("LEGALDESC", "92|1", true);
  // "ASSESPARCELNUM" with a single S: the order's spelling
  SetAlias("ASSESPARCELNUM", "94|2");
  CheckAlias("PROPRIGHTS", "95|1", "FEESIMPLE", {"95|2", "LEASEHOLD"});
  CheckAlias("PROJTYPE", "95|4", "PUD", {"95|5", "CONDO", "95|6", "COOPERATIVE"});

  // Listing and sale history
  CheckAlias("PROPCURRENTLISTED", "96|1", "YES", {"96|2", "NO"});
  SetAlias("ORIGLISTPRICE", "96|3");
  SetAlias("CURRENTLISTPRICE", "96|4");
  SetAlias("LASTPRICEREVISION", "96|5");
  SetAlias("TOTDAYSMARKET", "97|1");
  SetAlias("COMPANYAGENT", "97|2");
  ParsePhone("COMPANYAGENTPHONE", "97|3", "97|4");
  SetAlias("SALEDT", "98|1");
  SetAlias("SALESPRICE", "98|2");
  ParseExtended("ANALYSISCURRENTAGREE", "100|1", true);

  // Taxes and inspections
  SetAlias("RETAXES", "104|1");
  CheckAlias("TYPICALTAXES", "104|2", "YES", {"104|3", "NO"});
  SetAlias("HOMEOWNERASSNFEE", "104|4");
  ParseExtended("TYPICALTAXESDESC", "106|1", true);
  CheckAlias("REQUIREDINSPECTIONS", "108|1", "YES", {"108|2", "NO"});
  ParseExtended("MANDATORYINSPECTIONSDESC", "108|3", true);
}

void ERC2001::Neighborhood() {
  CheckAlias("LOCATION", "112|1", "URBAN", {"112|2", "SUBURBAN", "112|3", "RURAL"});
  CheckAlias("BUILTUP", "113|2", "OVER75", {"113|3", "N2575", "113|4", "UNDER25"});
  CheckAlias("GROWTHRATE", "114|1", "RAPID", {"114|2", "STABLE", "114|3", "SLOW"});
  CheckAlias("LANDUSECHANGE", "115|1", "NOTLIKELY", {"115|2", "LIKELY", "115|3", "INPROCESS"});
  // Present land use
  SetAlias("LANDUSEONEFAM", "113|5");
  SetAlias("LANDUSETWOFOURFAM", "114|4");
  SetAlias("LANDUSECONDOMINIUM", "115|4");
  SetAlias("LANDUSECOMMERCIAL", "113|6");
  SetAlias("LANDUSEINDUSTRIAL", "114|5");
  SetAlias("LANDUSEOTHER", "115|5");
  SetAlias("LANDUSEUNLABELEDPERCENT", "115|6");
  // Price, age and occupancy of single-family homes
  SetAlias("SINGLEFAMPRICELOW", "118|1");
  SetAlias("SINGLEFAMPRICEHIGH", "118|2");
  SetAlias("PRICEPREDOMINANT", "118|3");
  SetAlias("SINGLEFAMAGELOW", "121|1");
  SetAlias("SINGLEFAMAGEHIGH", "121|2");
  SetAlias("AGEPREDOMINANT", "121|3");
  CheckAlias("OCCUPANCYOWNER", "121|4", "ON", {});
  CheckAlias("OCCUPANCYTENANT", "121|5", "ON", {});
  SetAlias("OCCUPANCYVACANTPERCENT", "121|6");
  ParseExtended("FACTORSMARKETABILITY", "124|1", true);
  CheckAlias("RATINGSNBRHOODAPPEAL", "137|1", "EXCELLENT",
             {"137|2", "GOOD", "137|3", "AVERAGE", "137|4", "FAIR", "137|5", "POOR"});
}

void ERC2001::Site() {
  SetAlias("DIMENSIONS", "140|1");
  SetAlias("SITEAREA", "141|1");
  CheckAlias("CORNERLOT", "141|2", "YES", {"141|3", "NO"});
  SetAlias("SPECIFICZONING", "142|1");
  CheckAlias("PROPCONFORMZONE", "143|1", "YES", {"143|2", "NO", "143|3", "NOZONING"});
  CheckAlias("FEMAFLOODHAZARD", "144|1", "YES", {"144|2", "NO"});
  // Utilities
  CheckAlias("ELECTRICPUBLIC", "147|1", "ON", {});
  SetAlias("ELECTRICOTHER", "147|2");
  CheckAlias("GASPUBLIC", "148|1", "ON", {});
  SetAlias("GASOTHER", "148|2");
  CheckAlias("WATERPUBLIC", "149|1", "ON", {});
  SetAlias("WATEROTHER", "149|2");
  CheckAlias("SANITARYSEWERPUBLIC", "150|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "150|2");
  // Topography, shape, view, landscaping, drainage
  SetAlias("TOPOGRAPHY", "146|1");
  SetAlias("SHAPE", "147|3");
  SetAlias("VIEW", "148|3");
  SetAlias("LANDSCAPING", "149|3");
  SetAlias("DRAINAGE", "150|3");
  // Off-site improvements and adverse conditions
  CheckAlias("STREETPUBPRIV", "140|2", "PUBLIC", {"140|3", "PRIVATE"});
  CheckAlias("STREETMAINTENPUBPRIV", "141|4", "PUBLIC", {"141|5", "PRIVATE"});
  CheckAlias("GATEDTYPE", "142|2", "YES", {"142|3", "NO"});
  CheckAlias("FACTORADVERSEEASEMENTS", "143|4", "YES", {"143|5", "NO"});
  CheckAlias("REVIEWADVERSECONDITIONS", "144|3", "YES", {"144|4", "NO"});
  CheckAlias("SIDEWALKTYPE", "145|1", "YES", {"145|2", "NO"});
  CheckAlias("CURBGUTTERTYPE", "146|2", "YES", {"146|3", "NO"});
  CheckAlias("STREETLIGHTTYPE", "147|4", "YES", {"147|5", "NO"});
  SetAlias("STREETTYPE", "148|4");
  SetAlias("DRIVEWAYTYPE", "149|4");
  SetAlias("ALLEYTYPE", "150|4");
  ParseExtended("COMMENTSAPPARENT", "152|1", true);
  // "RATINGSSITEAPPEAL" beside "RATINGEXTERIORAPPEAL": the order's own names
  CheckAlias("RATINGSSITEAPPEAL", "162|1", "EXCELLENT",
             {"162|2", "GOOD", "162|3", "AVERAGE", "162|4", "FAIR", "162|5", "POOR"});
}

}  // namespace ombrel
