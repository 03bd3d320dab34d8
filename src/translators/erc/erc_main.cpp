// The main form "ER3": signer blocks and report profile, then its six pages in
// order. This file holds page 1 and page 2 (subject, lender, appraiser,
// listing and financing, taxes, neighbourhood, site).
#include "translators/erc/erc.h"

namespace ombrel {

void ERC::EntrainMain() {
  // Signer blocks and report profile; each signer block makes "ER3" current again.
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  FirstPage();
  SubjectAndSite();
  Improvements();
  ListingComparables();
  SalesComparison();
  Certification();
}

void ERC::FirstPage() {
  // Case, client, owner, property address, appraiser, date of the value estimate
  SetAlias("CASE_NO", "3|2");
  SetAlias("FILENUM", "4|1");
  SetAlias("CLIENT", "7|1");
  SetAlias("CLIENTFILENUM", "7|2");
  SetAlias("OWNER", "8|1");
  ParseAddress("9|1", "CITY", "STATEPROV", "ZIP", "PROPADDR", "");
  SetAlias("APPRAISER", "10|1");
  SetAlias("APPRFILENUM", "10|2");
  SetAlias("APPRAISERCONAME", "11|1");
  SetAlias("ESTMARKETVALUEDT", "11|2");
}

void ERC::SubjectAndSite() {
  // Subject, lender or client and appraiser
  SetAlias("CASE_NO", "87|2");
  SetAlias("FILENUM", "88|1");
  SetAlias("CURRENTOWNER", "91|1");
  CheckAlias("CURRENTOCCUPANT", "91|2", "OWNER", {"91|3", "TENANT", "91|4", "VACANT"});
  // The property address once more: the street alone, then city, state and zip
  SetAlias("PROPADDR", "92|1");
  SetAlias("COUNTY", "92|2");
  ParseAddress("93|1", "CITY", "STATEPROV", "ZIP", "", "");
  ParseExtended("LEGALDESC", "94|1", true);
  CheckAlias("PROPRIGHTS", "96|1", "FEESIMPLE", {"96|2", "LEASEHOLD"});
  CheckAlias("PROJTYPE", "96|3", "PUD", {"96|4", "CONDO", "96|5", "COOPERATIVE"});
  SetAlias("LENDERCLIENT", "97|1");
  SetAlias("LENDERCLIENTFILENUM", "97|2");
  ParseAddress("98|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("APPRAISER", "99|1");
  // Not the "APPRFILENUM" of page 1: the order holds the appraiser's file number twice
  SetAlias("APPRAISERFILENUM", "99|2");
  ParsePhone("APPRAISERPHONE", "99|3", "99|4");
  ParseAddress("100|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "APPRAISERADDR");

  // Listing and financing
  CheckAlias("PROPCURRENTLISTED", "101|1", "YES", {"101|2", "NO"});
  SetAlias("ORIGLISTPRICE", "101|3");
  SetAlias("CURRENTLISTPRICE", "101|4");
  SetAlias("LASTPRICEREVISION", "102|1");
  SetAlias("TOTDAYSMARKET", "102|2");
  SetAlias("COMPANYAGENT", "103|1");
  ParsePhone("COMPANYAGENTPHONE", "103|2", "103|3");
  ParseExtended("ANALYSISCURRENTAGREE", "105|1", true);
  CheckAlias("SPECIALFINANCING", "108|1", "YES", {"108|2", "NO"});
  ParseExtended("SPECIALFINANCINGDESC", "110|1", true);
  ParseExtended("CURRENTFINANCING", "112|1", true);

  // Taxes and assessments
  SetAlias("RETAXES", "117|1");
  SetAlias("TAXPERIODSTARTDT", "117|2");
  SetAlias("TAXPERIODENDDT", "117|3");
  CheckAlias("TYPICALTAXES", "118|1", "YES", {"118|2", "NO"});
  ParseExtended("TYPICALTAXESDESC", "118|3", true);
  ParseExtended("SPECIALASSESS", "121|1", true);

  // Neighbourhood
  CheckAlias("LOCATION", "124|1", "URBAN", {"124|2", "SUBURBAN", "124|3", "RURAL"});
  CheckAlias("BUILTUP", "125|2", "OVER 75%", {"125|3", "25-75%", "125|4", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "126|1", "FULLYDEV",
             {"126|2", "RAPID", "126|3", "STABLE", "126|4", "SLOW"});
  CheckAlias("PROPVALUES", "127|1", "INCREASING", {"127|2", "STABLE", "127|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "128|1", "SHORTAGE", {"128|2", "INBALANCE", "128|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "129|1", "UNDER 3 MOS.",
             {"129|2", "3-6 MOS.", "129|3", "OVER 6 MOS."});
  // Present land use and its change
  SetAlias("LANDUSEONEFAM", "130|2");
  SetAlias("LANDUSETWOFOURFAM", "131|1");
  SetAlias("LANDUSEAPARTMENTS", "131|2");
  SetAlias("LANDUSECONDOMINIUM", "132|1");
  SetAlias("LANDUSECOMMERCIAL", "132|2");
  SetAlias("LANDUSEINDUSTRIAL", "133|1");
  SetAlias("LANDUSEVACANT", "133|2");
  SetAlias("LANDUSEOTHERNAME", "134|1");
  SetAlias("LANDUSEOTHERPERCENT", "134|2");
  CheckAlias("LANDUSECHANGE", "131|3", "NOTLIKELY", {"132|3", "LIKELY", "132|4", "INPROCESS"});
  SetAlias("LANDUSECHANGEFROM", "133|3");
  SetAlias("LANDUSECHANGETO", "134|3");
  // Occupancy, price and age of single-family homes
  CheckAlias("OCCUPANCYOWNER", "135|1", "ON", {});
  CheckAlias("OCCUPANCYTENANT", "135|2", "ON", {});
  SetAlias("OCCUPANCYVACANTPERCENT", "135|3");
  SetAlias("SINGLEFAMPRICELOW", "136|1");
  SetAlias("SINGLEFAMPRICEHIGH", "136|2");
  SetAlias("PRICEPREDOMINANT", "137|1");
  SetAlias("SINGLEFAMAGELOW", "138|1");
  SetAlias("SINGLEFAMAGEHIGH", "138|2");
  SetAlias("AGEPREDOMINANT", "138|3");
  CheckAlias("NEWCONSTRUCT", "124|4", "YES", {"124|5", "NO"});
  CheckAlias("INCENTIVES", "125|5", "YES", {"125|6", "NO"});
  CheckAlias("REOFORECLOSURE", "125|7", "YES", {"125|8", "NO"});
  // Neighbourhood ratings: the third box takes "AVERAGE" (the improvement
  // ratings of page 3 take "AVG"); the boxes start where each line leaves room
  CheckAlias("RATINGEMPSTABILITY", "127|4", "EXCELLENT",
             {"127|5", "GOOD", "127|6", "AVERAGE", "127|7", "FAIR", "127|8", "POOR"});
  CheckAlias("RATINGEMPLCONV", "128|4", "EXCELLENT",
             {"128|5", "GOOD", "128|6", "AVERAGE", "128|7", "FAIR", "128|8", "POOR"});
  CheckAlias("RATINGSHOPPING", "129|4", "EXCELLENT",
             {"129|5", "GOOD", "129|6", "AVERAGE", "129|7", "FAIR", "129|8", "POOR"});
  CheckAlias("RATINGSCHOOL", "130|3", "EXCELLENT",
             {"130|4", "GOOD", "130|5", "AVERAGE", "130|6", "FAIR", "130|7", "POOR"});
  CheckAlias("RATINGTRANSPORTATION", "131|4", "EXCELLENT",
             {"131|5", "GOOD", "131|6", "AVERAGE", "131|7", "FAIR", "131|8", "POOR"});
  CheckAlias("RATINGRECREATIONAL", "132|5", "EXCELLENT",
             {"132|6", "GOOD", "132|7", "AVERAGE", "132|8", "FAIR", "132|9", "POOR"});
  CheckAlias("RATINGUTILITIES", "133|4", "EXCELLENT",
             {"133|5", "GOOD", "133|6", "AVERAGE", "133|7", "FAIR", "133|8", "POOR"});
  CheckAlias("RATINGPROPCOMPATIBILITY", "134|4", "EXCELLENT",
             {"134|5", "GOOD", "134|6", "AVERAGE", "134|7", "FAIR", "134|8", "POOR"});
  CheckAlias("RATINGDETCONDITIONS", "135|4", "EXCELLENT",
             {"135|5", "GOOD", "135|6", "AVERAGE", "135|7", "FAIR", "135|8", "POOR"});
  CheckAlias("RATINGPOLICEFIRE", "136|3", "EXCELLENT",
             {"136|4", "GOOD", "136|5", "AVERAGE", "136|6", "FAIR", "136|7", "POOR"});
  CheckAlias("RATINGGENERALAPPEAR", "137|2", "EXCELLENT",
             {"137|3", "GOOD", "137|4", "AVERAGE", "137|5", "FAIR", "137|6", "POOR"});
  CheckAlias("RATINGMARKETAPPEAL", "138|4", "EXCELLENT",
             {"138|5", "GOOD", "138|6", "AVERAGE", "138|7", "FAIR", "138|8", "POOR"});
  ParseExtended("FACTORSMARKETABILITY", "140|1", true);

  // Site
  SetAlias("DIMENSIONS", "151|1");
  SetAlias("SITEAREA", "152|1");
  CheckAlias("CORNERLOT", "152|2", "YES", {"152|3", "NO"});
  SetAlias("SPECIFICZONING", "153|1");
  CheckAlias("ZONINGCONFORMANCE", "154|1", "YES", {"154|2", "NO"});
  CheckAlias("HIGHESTBESTUSE", "155|1", "PRESENTUSE", {"155|2", "OTHER"});
  SetAlias("HIGHESTBESTUSEDESC", "155|3");
  // Utilities
  CheckAlias("ELECTRICPUBLIC", "157|1", "ON", {});
  SetAlias("ELECTRICOTHER", "157|2");
  CheckAlias("GASPUBLIC", "158|1", "ON", {});
  SetAlias("GASOTHER", "158|2");
  CheckAlias("WATERPUBLIC", "159|1", "ON", {});
  SetAlias("WATEROTHER", "159|2");
  CheckAlias("SANITARYSEWERPUBLIC", "160|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "160|2");
  CheckAlias("UNDERGROUNDELECTEL", "161|1", "ON", {});
  // Topography, size, shape, view, drainage, flood hazard
  SetAlias("TOPOGRAPHY", "156|1");
  SetAlias("SIZE", "157|3");
  SetAlias("SHAPE", "158|3");
  SetAlias("VIEW", "159|3");
  SetAlias("DRAINAGE", "160|3");
  CheckAlias("FEMAFLOODHAZARD", "161|2", "YES", {"161|3", "NO"});
  // Off-site improvements
  CheckAlias("STREETPUBPRIV", "152|4", "PUBLIC", {"152|5", "PRIVATE"});
  CheckAlias("STREETMAINTENPUBPRIV", "153|2", "PUBLIC", {"153|3", "PRIVATE"});
  SetAlias("STREETTYPE", "154|3");
  SetAlias("STORMSEWEROTHER", "155|4");
  SetAlias("SIDEWALKTYPE", "156|2");
  SetAlias("CURBGUTTERTYPE", "157|4");
  SetAlias("STREETLIGHTTYPE", "158|4");
  SetAlias("ALLEYTYPE", "159|4");
  ParseExtended("COMMENTSAPPARENT", "163|1", true);
}

}  // namespace ombrel
