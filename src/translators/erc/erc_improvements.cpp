// Page 3 of "ER3": improvements, their ratings, the room list by level,
// warranty, foundation and the comments on condition and personal property.
#include "translators/erc/erc.h"

namespace ombrel {

void ERC::Improvements() {
  SetAlias("CASE_NO", "173|2");
  SetAlias("FILENUM", "174|1");

  // General description
  CheckAlias("GENERALEXISTCONSTRUCT", "177|1", "ON", {});
  CheckAlias("GENERALUNDERCONSTRUCT", "177|2", "ON", {});
  SetAlias("GENERALAGEYRS", "178|1");
  SetAlias("GENERALEFFECTIVEAGEYRS", "178|2");
  SetAlias("GENERALEFFECTIVEAGEYRSTO", "178|3");
  SetAlias("GENERALTYPE", "178|4");
  SetAlias("GENERALDESIGNSTYLE", "178|5");
  SetAlias("GENERALNUMUNITS", "177|3");
  SetAlias("GENERALNUMSTORIES", "178|6");
  // A manufactured house has a box for "YES" only
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "177|4", "YES", {});

  // Exterior
  SetAlias("EXTERIORROOFSURFACE", "180|1");
  SetAlias("EXTERIORWALLS", "180|2");
  CheckAlias("EXTERIORGUTTERDWNSPTSNONE", "179|3", "ON", {});
  SetAlias("EXTERIORGUTTERDWNSPTS", "180|3");
  CheckAlias("EXTERIORWINDOWSTORMSASH", "180|4", "ON", {});
  CheckAlias("EXTERIORWINDOWSCREENS", "180|5", "ON", {});
  CheckAlias("EXTERIORWINDOWCOMBO", "180|6", "ON", {});
  CheckAlias("EXTERIORWINDOWDBLGLAZE", "180|7", "ON", {});

  // Car storage and foundation
  CheckAlias("CARSTORAGEGARAGE", "181|1", "ON", {});
  CheckAlias("CARSTORAGECARPORT", "181|2", "ON", {});
  CheckAlias("CARSTORAGEATTACHED", "181|3", "ON", {});
  CheckAlias("CARSTORAGEBUILTIN", "181|4", "ON", {});
  CheckAlias("CARSTORAGEBASEMENT", "181|5", "ON", {});
  CheckAlias("CARSTORAGEDETACHED", "181|6", "ON", {});
  SetAlias("EXTERIORFOUNDATION", "182|1");
  CheckAlias("FOUNDATIONSLAB", "182|2", "ON", {});
  CheckAlias("FOUNDATIONCRAWLSPACE", "182|3", "ON", {});
  SetAlias("CARSTORAGENUMCARS", "181|7");
  CheckAlias("CARSTORAGEADEQUATE", "181|8", "ON", {});
  CheckAlias("CARSTORAGEINADEQUATE", "181|9", "ON", {});

  // Basement
  SetAlias("BASEMENTAREASQFT", "183|1");
  SetAlias("BASEMENTFINISHED", "183|2");
  CheckAlias("BASEMENTOUTSIDEENTRY", "183|3", "ON", {});
  CheckAlias("BASEMENTCONCRETEFLOOR", "183|4", "ON", {});
  CheckAlias("FOUNDATIONSUMPPUMP", "183|5", "ON", {});
  CheckAlias("BASEMENTFLOORDRAIN", "183|6", "ON", {});
  SetAlias("BASEMENTCEILING", "184|1");
  SetAlias("BASEMENTWALLS", "184|2");
  SetAlias("BASEMENTFLOOR", "184|3");

  // Heating, cooling and insulation
  SetAlias("HEATINGTYPE", "185|1");
  SetAlias("HEATINGFUEL", "185|2");
  CheckAlias("COOLINGCENTRAL", "185|3", "ON", {});
  CheckAlias("COOLINGOTHERVALUE", "185|4", "ON", {});
  SetAlias("COOLINGOTHER", "185|5");
  SetAlias("INSULATIONFLOOR", "186|1");
  SetAlias("INSULATIONCEILING", "186|2");
  SetAlias("INSULATIONROOF", "186|3");
  SetAlias("INSULATIONWALLS", "186|4");
  SetAlias("INSULATIONENERGYEFF", "187|1");

  // Interior floors and walls
  CheckAlias("INTERIORFLOORSHRDWD", "188|1", "ON", {});
  CheckAlias("INTERIORFLOORSCARPET", "188|2", "ON", {});
  CheckAlias("INTERIORFLOORSOTHER", "188|3", "ON", {});
  SetAlias("INTERIORFLOORSDESC", "188|4");
  CheckAlias("INTERIORWALLSDRYWALL", "188|5", "ON", {});
  CheckAlias("INTERIORWALLSPLASTER", "188|6", "ON", {});
  CheckAlias("INTERIORWALLSOTHER", "188|7", "ON", {});
  SetAlias("INTERIORWALLSDESC", "188|8");

  // Kitchen equipment
  CheckAlias("KITCHENEQUIPREFRIG", "189|1", "ON", {});
  CheckAlias("KITCHENEQUIPRANGEOVEN", "189|2", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "189|3", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "189|4", "ON", {});
  CheckAlias("KITCHENEQUIPFANHOOD", "189|5", "ON", {});
  CheckAlias("KITCHENEQUIPCOMPACTOR", "189|6", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "189|7", "ON", {});
  CheckAlias("KITCHENEQUIPOTHER", "189|8", "ON", {});
  SetAlias("KITCHENEQUIPOTHERDESC", "189|9");

  // Bath floor and wainscot
  CheckAlias("BATHFLOORCERAMIC", "190|1", "ON", {});
  CheckAlias("BATHFLOORVINYL", "190|2", "ON", {});
  CheckAlias("BATHFLOOROTHER", "190|3", "ON", {});
  SetAlias("BATHFLOORDESC", "190|4");
  CheckAlias("BATHWAINSCOTCERAMIC", "190|5", "ON", {});
  CheckAlias("BATHWAINSCOTFIBERGLASS", "190|6", "ON", {});
  CheckAlias("BATHWAINSCOTOTHER", "190|7", "ON", {});
  SetAlias("BATHWAINSCOTDESC", "190|8");

  // Attic
  CheckAlias("ATTICYESNO", "191|1", "YES", {"191|2", "NO"});
  CheckAlias("ATTICSTAIRS", "191|3", "ON", {});
  CheckAlias("ATTICDROPSTAIR", "191|4", "ON", {});
  CheckAlias("ATTICSCUTTLE", "191|5", "ON", {});
  CheckAlias("ATTICFLOOR", "191|6", "ON", {});
  CheckAlias("ATTICHEATED", "191|7", "ON", {});
  SetAlias("ATTICFINISHED", "191|8");

  // Improvement ratings: the third box takes "AVG", not the neighbourhood's "AVERAGE"
  CheckAlias("RATINGQUALITYCONSTRUCT", "193|1", "EXCELLENT",
             {"193|2", "GOOD", "193|3", "AVG", "193|4", "FAIR", "193|5", "POOR"});
  CheckAlias("RATINGCONDITIONIMPROVE", "194|1", "EXCELLENT",
             {"194|2", "GOOD", "194|3", "AVG", "194|4", "FAIR", "194|5", "POOR"});
  CheckAlias("RATINGROOMSIZELAYOUT", "195|1", "EXCELLENT",
             {"195|2", "GOOD", "195|3", "AVG", "195|4", "FAIR", "195|5", "POOR"});
  CheckAlias("RATINGCLOSETSTORAGE", "196|1", "EXCELLENT",
             {"196|2", "GOOD", "196|3", "AVG", "196|4", "FAIR", "196|5", "POOR"});
  CheckAlias("RATINGINSULATION", "197|1", "EXCELLENT",
             {"197|2", "GOOD", "197|3", "AVG", "197|4", "FAIR", "197|5", "POOR"});
  CheckAlias("RATINGPLUMBING", "198|1", "EXCELLENT",
             {"198|2", "GOOD", "198|3", "AVG", "198|4", "FAIR", "198|5", "POOR"});
  CheckAlias("RATINGELECTRIC", "199|1", "EXCELLENT",
             {"199|2", "GOOD", "199|3", "AVG", "199|4", "FAIR", "199|5", "POOR"});
  CheckAlias("RATINGNBRHOODCOMPAT", "200|1", "EXCELLENT",
             {"200|2", "GOOD", "200|3", "AVG", "200|4", "FAIR", "200|5", "POOR"});
  CheckAlias("RATINGLIVABILITY", "201|1", "EXCELLENT",
             {"201|2", "GOOD", "201|3", "AVG", "201|4", "FAIR", "201|5", "POOR"});
  CheckAlias("RATINGAPPEAL", "202|1", "EXCELLENT",
             {"202|2", "GOOD", "202|3", "AVG", "202|4", "FAIR", "202|5", "POOR"});

  // Room list, one level a line: foyer, living, dining, kitchen, den, family
  // room, recreation room, bedrooms, baths, laundry, other
  SetAlias("BASEMENTFOYER", "204|1");
  SetAlias("BASEMENTLIVING", "204|2");
  SetAlias("BASEMENTDINING", "204|3");
  SetAlias("BASEMENTKITCHEN", "204|4");
  SetAlias("BASEMENTDEN", "204|5");
  SetAlias("BASEMENTFAMILYROOM", "204|6");
  SetAlias("BASEMENTRECROOM", "204|7");
  SetAlias("BASEMENTBEDROOMS", "204|8");
  SetAlias("BASEMENTBATHS", "204|9");
  SetAlias("BASEMENTLAUNDRY", "204|10");
  SetAlias("BASEMENTOTHER", "204|11");
  SetAlias("LEVELONEFOYER", "205|1");
  SetAlias("LEVELONELIVING", "205|2");
  SetAlias("LEVELONEDINING", "205|3");
  SetAlias("LEVELONEKITCHEN", "205|4");
  SetAlias("LEVELONEDEN", "205|5");
  SetAlias("LEVELONEFAMILYROOM", "205|6");
  SetAlias("LEVELONERECROOM", "205|7");
  SetAlias("LEVELONEBEDROOMS", "205|8");
  SetAlias("LEVELONEBATHS", "205|9");
  SetAlias("LEVELONELAUNDRY", "205|10");
  SetAlias("LEVELONEOTHER", "205|11");
  SetAlias("LEVELTWOFOYER", "206|1");
  SetAlias("LEVELTWOLIVING", "206|2");
  SetAlias("LEVELTWODINING", "206|3");
  SetAlias("LEVELTWOKITCHEN", "206|4");
  SetAlias("LEVELTWODEN", "206|5");
  SetAlias("LEVELTWOFAMILYROOM", "206|6");
  SetAlias("LEVELTWORECROOM", "206|7");
  SetAlias("LEVELTWOBEDROOMS", "206|8");
  SetAlias("LEVELTWOBATHS", "206|9");
  SetAlias("LEVELTWOLAUNDRY", "206|10");
  SetAlias("LEVELTWOOTHER", "206|11");
  // The two unlabelled levels name themselves in field 1
  SetAlias("UNLABELEDLEVEL", "207|1");
  SetAlias("UNLABELEDFOYER", "207|2");
  SetAlias("UNLABELEDLIVING", "207|3");
  SetAlias("UNLABELEDDINING", "207|4");
  SetAlias("UNLABELEDKITCHEN", "207|5");
  SetAlias("UNLABELEDDEN", "207|6");
  SetAlias("UNLABELEDFAMILYROOM", "207|7");
  SetAlias("UNLABELEDRECROOM", "207|8");
  SetAlias("UNLABELEDBEDROOMS", "207|9");
  SetAlias("UNLABELEDBATHS", "207|10");
  SetAlias("UNLABELEDLAUNDRY", "207|11");
  SetAlias("UNLABELEDOTHER", "207|12");
  SetAlias("UNLABELEDTWOLEVEL", "208|1");
  SetAlias("UNLABELEDTWOFOYER", "208|2");
  SetAlias("UNLABELEDTWOLIVING", "208|3");
  SetAlias("UNLABELEDTWODINING", "208|4");
  SetAlias("UNLABELEDTWOKITCHEN", "208|5");
  SetAlias("UNLABELEDTWODEN", "208|6");
  SetAlias("UNLABELEDTWOFAMILYROOM", "208|7");
  SetAlias("UNLABELEDTWORECROOM", "208|8");
  SetAlias("UNLABELEDTWOBEDROOMS", "208|9");
  SetAlias("UNLABELEDTWOBATHS", "208|10");
  SetAlias("UNLABELEDTWOLAUNDRY", "208|11");
  SetAlias("UNLABELEDTWOOTHER", "208|12");
  SetAlias("ABOVEGRADEROOMS", "209|1");
  SetAlias("ABOVEGRADEBEDROOMS", "209|2");
  SetAlias("ABOVEGRADEBATHS", "209|3");
  SetAlias("ABOVEGRADEAREASQFT", "209|4");

  // Warranty and evidence at the foundation
  CheckAlias("CONSTRUCTWRNTY", "210|1", "YES", {"210|2", "NO"});
  CheckAlias("CONSTRUCTWRNTYTRANSFER", "210|3", "YES", {"210|4", "NO"});
  SetAlias("WRNTYNAME", "211|1");
  SetAlias("WRNTYCOVERAGEEXPDT", "211|2");
  CheckAlias("FOUNDATIONDAMPNESS", "212|1", "ON", {});
  CheckAlias("FOUNDATIONINFESTATION", "212|2", "ON", {});
  CheckAlias("FOUNDATIONSETTLEMENT", "212|3", "ON", {});
  SetAlias("FOUNDATIONSETTLEMENTDESC", "212|4");
  CheckAlias("FOUNDATIONEVIDENCENONE", "212|5", "ON", {});

  // Comments
  ParseExtended("REQUIREDINSPECTIONS", "213|1", true);
  ParseExtended("RECOMMENDINSPECTIONS", "216|1", true);
  ParseExtended("COMMENTCONDITIONIMPROVE", "221|1", true);
  ParseExtended("RELEVANTCHARACTER", "235|1", true);
  ParseExtended("PERSONALPROP", "251|1", true);
}

}  // namespace ombrel
