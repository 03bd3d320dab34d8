// The improvements of "ERS" (general description, exterior, foundation,
// interior, kitchen, heating and cooling, attic, room list), their condition
// and ratings, and the market conditions.
#include "translators/erc/erc2001.h"

namespace ombrel {

void ERC2001::Improvements() {
  // General description, manufactured housing and car storage
  CheckAlias("GENERALNEWCONSTRUCT", "174|1", "ON", {});
  CheckAlias("GENERALCOMPLETEDCONSTRUCT", "175|1", "YES", {"175|2", "NO"});
  CheckAlias("GENERALEXISTINGCONSTRUCT", "176|1", "ON", {});
  SetAlias("GENERALAGEYRS", "177|1");
  SetAlias("GENERALEFFECTIVEAGEYRS", "178|1");
  CheckAlias("GENERALATTACHED", "179|1", "ON", {});
  CheckAlias("GENERALDETACHED", "180|1", "ON", {});
  SetAlias("GENERALNUMUNITS", "181|1");
  SetAlias("GENERALNUMSTORIES", "182|1");
  CheckAlias("EXTERIORMANUFACTUREDHOUSERESPONSE", "183|1", "YES", {"183|2", "NO"});
  ParseExtended("EXTERIORMANUFACTUREDHOUSETYPE", "184|1", true);
  SetAlias("CARSTORAGEATTACHEDCARS", "190|1");
  SetAlias("CARSTORAGEDETACHEDNUM", "191|1");
  SetAlias("CARSTORAGEGARAGEBUILTINNUM", "192|1");
  SetAlias("CARSTORAGECARPORTATTACHEDNUM", "193|1");
  SetAlias("CARSTORAGECARPORTDETACHEDNUM", "194|1");
  SetAlias("CARSTORAGECARPORTBUILTINNUM", "195|1");
  SetAlias("CARSTORAGEOTHERDESC", "196|1");
  SetAlias("CARSTORAGEOTHERNUM", "196|2");
  CheckAlias("CARSTORAGENONE", "197|1", "ON", {});
  CheckAlias("CARSTORAGEADEQUATE", "198|1", "YES", {"198|2", "NO"});

  // Design, exterior and exterior amenities
  SetAlias("GENERALDESIGNSTYLE", "174|2");
  SetAlias("EXTERIORROOFSURFACE", "175|3");
  ParseExtended("EXTERIORWALLS", "176|2", true);
  SetAlias("EXTERIORWINDOWTYPEDESC", "178|2");
  CheckAlias("EXTERIORWINDOWSTORMSASH", "179|2", "ON", {});
  CheckAlias("EXTERIORWINDOWSCREENS", "180|2", "ON", {});
  CheckAlias("EXTERIORWINDOWINSULATED", "181|2", "ON", {});
  CheckAlias("EXTERIORGUTTERDWNSPTS", "182|2", "ON", {});
  CheckAlias("AMENITIESPATIO", "184|2", "ON", {});
  CheckAlias("AMENITIESSPA", "184|3", "ON", {});
  CheckAlias("AMENITIESFENCE", "184|4", "ON", {});
  CheckAlias("AMENITIESPOOL", "185|2", "ON", {});
  CheckAlias("AMENITIESDECK", "185|3", "ON", {});
  CheckAlias("AMENITIESPORCH", "185|4", "ON", {});
  SetAlias("AMENITIESOTHEREXTERIORDESC", "186|2");

  // Foundation
  SetAlias("FOUNDATIONMATERIALDESC", "189|1");
  CheckAlias("FOUNDATIONSLAB", "190|2", "ON", {});
  CheckAlias("FOUNDATIONCRAWLSPACE", "191|2", "ON", {});
  CheckAlias("FOUNDATIONBASEMENTYES", "192|2", "ON", {});
  SetAlias("FOUNDATIONBASEMENTSQFT", "193|2");
  SetAlias("FOUNDATIONBASEMENTPERCENTFINISHED", "194|2");
  SetAlias("FOUNDATIONBASEMENTFLOOR", "195|2");
  SetAlias("FOUNDATIONBASEMENTCEILING", "196|3");
  SetAlias("FOUNDATIONBASEMENTWALL", "197|2");
  CheckAlias("FOUNDATIONOUTSIDEENTRY", "198|3", "ON", {});
  CheckAlias("FOUNDATIONSUMP", "199|1", "ON", {});
  CheckAlias("FOUNDATIONFLOORDRAIN", "200|1", "ON", {});

  // Interior floors and walls of rooms and bath, and interior amenities
  CheckAlias("INTERIORFLOORSCARPET", "175|4", "ON", {});
  CheckAlias("INTERIORFLOORSVINYL", "176|3", "ON", {});
  CheckAlias("INTERIORFLOORSCERAMIC", "177|3", "ON", {});
  CheckAlias("INTERIORFLOORSHRDWD", "178|3", "ON", {});
  CheckAlias("BATHFLOORCARPET", "175|5", "ON", {});
  CheckAlias("BATHFLOORVINYL", "176|4", "ON", {});
  CheckAlias("BATHFLOORCERAMIC", "177|4", "ON", {});
  CheckAlias("BATHFLOORHRDWD", "178|4", "ON", {});
  ParseExtended("INTERIORFLOORSDESC", "179|3", true);
  CheckAlias("INTERIORWALLSDRYWALL", "183|3", "ON", {});
  CheckAlias("INTERIORWALLSPLASTER", "184|5", "ON", {});
  CheckAlias("BATHWAINSCOTCERAMIC", "183|4", "ON", {});
  CheckAlias("BATHWAINSCOTFIBERGLASS", "184|6", "ON", {});
  ParseExtended("INTERIORWALLSDESC", "185|5", true);
  CheckAlias("AMENITIESSECURITYSYSTEM", "189|2", "ON", {});
  CheckAlias("AMENITIESINTERCOM", "189|3", "ON", {});
  CheckAlias("AMENITIESJETTEDTUB", "190|3", "ON", {});
  SetAlias("AMENITIESFIREPLACE", "190|4");
  ParseExtended("AMENITIESOTHERINTERIORDESC", "191|3", true);

  // Kitchen equipment, heating and cooling
  CheckAlias("KITCHENEQUIPREFRIG", "174|3", "ON", {});
  CheckAlias("KITCHENEQUIPRANGE", "175|6", "ON", {});
  CheckAlias("KITCHENEQUIPOVEN", "176|5", "ON", {});
  CheckAlias("KITCHENEQUIPCOOKTOP", "177|5", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "178|5", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "179|4", "ON", {});
  CheckAlias("KITCHENEQUIPCOMPACTOR", "180|4", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "181|4", "ON", {});
  ParseExtended("KITCHENEQUIPDESC", "182|3", true);
  SetAlias("HEATINGTYPE", "186|4");
  SetAlias("HEATINGFUEL", "187|2");
  CheckAlias("COOLINGCENTRAL", "189|4", "ON", {});
  ParseExtended("COOLINGOTHER", "190|5", true);

  // Attic and personal property
  CheckAlias("ATTICYESNO", "194|4", "YES", {"194|5", "NO"});
  CheckAlias("ATTICSCUTTLE", "195|4", "ON", {});
  CheckAlias("ATTICDROPSTAIR", "196|5", "ON", {});
  CheckAlias("ATTICSTAIRWAY", "197|4", "ON", {});
  CheckAlias("ATTICFINISHED", "198|5", "ON", {});
  CheckAlias("PERSONALPROPRESPONSE", "202|1", "YES", {"202|2", "NO"});
  ParseExtended("PERSONALPROPCOMMENTS", "202|3", true);

  // Room list by level: living, dining, kitchen, family, bedrooms, baths,
  // other, the list of rooms and the gross living area; the basement and the
  // attic have no area and start in field 1
  SetAlias("LEVELONELIVING", "206|2");
  SetAlias("LEVELONEDINING", "206|3");
  SetAlias("LEVELONEKITCHEN", "206|4");
  SetAlias("LEVELONEFAMILY", "206|5");
  SetAlias("LEVELONEBEDROOMS", "206|6");
  SetAlias("LEVELONEBATHS", "206|7");
  SetAlias("LEVELONEOTHER", "206|8");
  SetAlias("LEVELONELIST", "206|9");
  SetAlias("LEVELONEGLA", "206|10");
  SetAlias("LEVELTWOLIVING", "207|2");
  SetAlias("LEVELTWODINING", "207|3");
  SetAlias("LEVELTWOKITCHEN", "207|4");
  SetAlias("LEVELTWOFAMILY", "207|5");
  SetAlias("LEVELTWOBEDROOMS", "207|6");
  SetAlias("LEVELTWOBATHS", "207|7");
  SetAlias("LEVELTWOOTHER", "207|8");
  SetAlias("LEVELTWOLIST", "207|9");
  SetAlias("LEVELTWOGLA", "207|10");
  SetAlias("UNLABELEDLEVELLIVING", "208|2");
  SetAlias("UNLABELEDLEVELDINING", "208|3");
  SetAlias("UNLABELEDLEVELKITCHEN", "208|4");
  SetAlias("UNLABELEDLEVELFAMILY", "208|5");
  SetAlias("UNLABELEDLEVELBEDROOMS", "208|6");
  SetAlias("UNLABELEDLEVELBATHS", "208|7");
  SetAlias("UNLABELEDLEVELOTHER", "208|8");
  SetAlias("UNLABELEDLEVELLIST", "208|9");
  SetAlias("UNLABELEDLEVELGLA", "208|10");
  SetAlias("UNLABELEDLEVELTWOLIVING", "209|2");
  SetAlias("UNLABELEDLEVELTWODINING", "209|3");
  SetAlias("UNLABELEDLEVELTWOKITCHEN", "209|4");
  SetAlias("UNLABELEDLEVELTWOFAMILY", "209|5");
  SetAlias("UNLABELEDLEVELTWOBEDROOMS", "209|6");
  SetAlias("UNLABELEDLEVELTWOBATHS", "209|7");
  SetAlias("UNLABELEDLEVELTWOOTHER", "209|8");
  SetAlias("UNLABELEDLEVELTWOLIST", "209|9");
  SetAlias("UNLABELEDLEVELTWOGLA", "209|10");
  SetAlias("BASEMENTLIVING", "211|1");
  SetAlias("BASEMENTDINING", "211|2");
  SetAlias("BASEMENTKITCHEN", "211|3");
  SetAlias("BASEMENTFAMILY", "211|4");
  SetAlias("BASEMENTBEDROOMS", "211|5");
  SetAlias("BASEMENTBATHS", "211|6");
  SetAlias("BASEMENTOTHER", "211|7");
  SetAlias("BASEMENTLIST", "211|8");
  SetAlias("ATTICLIVING", "212|1");
  SetAlias("ATTICDINING", "212|2");
  SetAlias("ATTICKITCHEN", "212|3");
  SetAlias("ATTICFAMILY", "212|4");
  SetAlias("ATTICBEDROOMS", "212|5");
  SetAlias("ATTICBATHS", "212|6");
  SetAlias("ATTICOTHER", "212|7");
  SetAlias("ATTICLIST", "212|8");
  // Above-grade totals and the relevant characteristics
  SetAlias("ABOVEGRADEROOMS", "214|1");
  SetAlias("ABOVEGRADEBEDROOMS", "214|2");
  SetAlias("ABOVEGRADEBATHS", "214|3");
  SetAlias("ABOVEGRADEAREASQFT", "214|4");
  ParseExtended("RELEVANTCHARACTER", "216|1", true);
}

void ERC2001::Condition() {
  CheckAlias("ADVERSECONDITION", "227|1", "YES", {"227|2", "NO"});
  ParseExtended("COMMENTADVERSECONDITION", "228|1", true);
  CheckAlias("CONDITIONIMPROVE", "232|1", "YES", {"232|2", "NO"});
  ParseExtended("COMMENTCONDITIONIMPROVE", "233|1", true);
  SetAlias("COSTTOCURE", "243|1");
  CheckAlias("RATINGEXTERIORAPPEAL", "245|1", "EXCELLENT",
             {"245|2", "GOOD", "245|3", "AVERAGE", "245|4", "FAIR", "245|5", "POOR"});
  CheckAlias("RATINGQUALITYCONSTRUCT", "246|1", "EXCELLENT",
             {"246|2", "GOOD", "246|3", "AVERAGE", "246|4", "FAIR", "246|5", "POOR"});
  CheckAlias("RATINGCONDITIONIMPROVE", "247|1", "EXCELLENT",
             {"247|2", "GOOD", "247|3", "AVERAGE", "247|4", "FAIR", "247|5", "POOR"});
  CheckAlias("RATINGINTERIORAPPEAL", "248|1", "EXCELLENT",
             {"248|2", "GOOD", "248|3", "AVERAGE", "248|4", "FAIR", "248|5", "POOR"});
  CheckAlias("RATINGFUNCTIONAL", "249|1", "EXCELLENT",
             {"249|2", "GOOD", "249|3", "AVERAGE", "249|4", "FAIR", "249|5", "POOR"});
}

// The trend ticks' falling box knows "DECREASING", as the mortgage rates tick
// spells it, and " DECREASING" with a leading blank, as orders may carry it.
void ERC2001::MarketConditions() {
  CheckAlias("ADVERSEFINANCING", "258|1", "YES", {"258|2", "NO"});
  CheckAlias("NEWCONSTRUCT", "259|1", "YES", {"259|2", "NO"});
  CheckAlias("REOFORECLOSURE", "260|1", "YES", {"260|2", "NO"});
  CheckAlias("HISTORICPRICE", "262|1", "INCREASING",
             {"262|2", "STABLE", "262|3", " DECREASING", "262|3", "DECREASING"});
  CheckAlias("CURRENTSUPPLYDEMAND", "263|1", "UNDERSUPPLY",
             {"263|2", "INBALANCE", "263|3", "OVERSUPPLY"});
  CheckAlias("MORTGAGEINTERESTRATES", "264|1", "DECREASING",
             {"264|2", "STABLE", "264|3", "INCREASING"});
  CheckAlias("NBRHOODMARKETINGTIME", "265|1", "UNDER30", {"265|2", "N30120", "265|3", "OVER120"});
  CheckAlias("FORECASTEDPRICE", "267|1", "INCREASING",
             {"267|2", "STABLE", "267|3", " DECREASING", "267|3", "DECREASING"});
  CheckAlias("FORECASTEDSALES", "268|1", "INCREASING",
             {"268|2", "STABLE", "268|3", " DECREASING", "268|3", "DECREASING"});
  CheckAlias("PROPMARKETINGTIME", "269|1", "UNDER30", {"269|2", "N30120", "269|3", "OVER120"});
  ParseExtended("ANALYZETRENDS", "272|1", true);
}

}  // namespace ombrel
