// The form "ois": header, the rent schedule of four units, the utilities,
// the income and expense projection, the replacement reserves and the summary.
// A line item's type is only checked against the name its line stands for;
// its cells are written whatever the check finds.
#include "translators/supplemental/fm216.h"

namespace ombrel {

void FM216::EntrainMain() {
  // Header and property
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("PROPADDR", "7|1");
  SetAlias("CITY", "8|1");
  SetAlias("COUNTY", "8|2");
  SetAlias("STATEPROV", "8|3");
  SetAlias("ZIP", "8|4");

  // Rent schedule, units 1 to 4, and its totals
  SetAlias("ISRENTEDUNIT1", "14|1");
  SetAlias("ISNOTRENTEDUNIT1", "14|2");
  SetAlias("LEASEENDDATEUNIT1", "14|3");
  SetAlias("RENTSUNFURNISHEDUNIT1", "14|4");
  SetAlias("MKTRENTSUNFURNISHEDUNIT1", "14|5");
  SetAlias("ISRENTEDUNIT2", "15|1");
  SetAlias("ISNOTRENTEDUNIT2", "15|2");
  SetAlias("LEASEENDDATEUNIT2", "15|3");
  SetAlias("RENTSUNFURNISHEDUNIT2", "15|4");
  SetAlias("MKTRENTSUNFURNISHEDUNIT2", "15|5");
  SetAlias("ISRENTEDUNIT3", "16|1");
  SetAlias("ISNOTRENTEDUNIT3", "16|2");
  SetAlias("LEASEENDDATEUNIT3", "16|3");
  SetAlias("RENTSUNFURNISHEDUNIT3", "16|4");
  SetAlias("MKTRENTSUNFURNISHEDUNIT3", "16|5");
  SetAlias("ISRENTEDUNIT4", "17|1");
  SetAlias("ISNOTRENTEDUNIT4", "17|2");
  SetAlias("LEASEENDDATEUNIT4", "17|3");
  SetAlias("RENTSUNFURNISHEDUNIT4", "17|4");
  SetAlias("MKTRENTSUNFURNISHEDUNIT4", "17|5");
  SetAlias("RENTSTOTRENTS", "18|1");
  SetAlias("MKTRENTSTOTRENTS", "18|2");

  // Utilities, beside the rent schedule: paid by the owner or the tenant
  MapValue("RENTUTILSELECTTYPE", "ELECTRICITY");
  CheckAlias("RENTUTILSELECT", "14|6", "OWNER", {"14|7", "TENANT"});
  MapValue("RENTUTILSGASTYPE", "GAS");
  CheckAlias("RENTUTILSGAS", "15|6", "OWNER", {"15|7", "TENANT"});
  MapValue("RENTUTILSOILTYPE", "OIL");
  CheckAlias("RENTUTILSOIL", "16|6", "OWNER", {"16|7", "TENANT"});
  MapValue("RENTUTILSOTHERFUELTYPE", "OTHERFUEL");
  CheckAlias("RENTUTILSOTHERFUEL", "17|6", "OWNER", {"17|7", "TENANT"});
  MapValue("RENTUTILSWATERSEWERTYPE", "WATERSEWER");
  CheckAlias("RENTUTILSWATERSEWER", "18|3", "OWNER", {"18|4", "TENANT"});
  MapValue("RENTUTILSTRASHTYPE", "TRASH");
  CheckAlias("RENTUTILSTRASH", "19|1", "OWNER", {"19|2", "TENANT"});

  // Projection: income
  MapValue("IEPROJGROSSRENTALTYPE", "GROSSRENTAL");
  SetAlias("IEPROJGROSSRENTAL", "35|1");
  MapValue("IEPROJOTHERINCOMETYPE", "OTHERINCOME");
  SetAlias("IEPROJOTHERINCOMEDESC", "36|1");
  SetAlias("IEPROJOTHERINCOME", "36|2");
  MapValue("IEPROJTOTALTYPE", "TOTAL");
  SetAlias("IEPROJTOTAL", "37|1");
  MapValue("IEPROJLESSVACANTTYPE", "LESSVACANT");
  SetAlias("IEPROJLESSVACANT", "38|1");
  SetAlias("IEPROJLESSVACANTP", "38|2");
  MapValue("IEPROJEFFGROSSTYPE", "EFFGROSS");
  SetAlias("IEPROJEFFGROSS", "39|1");

  // Projection: expenses
  MapValue("IEPROJELECTRICTYPE", "ELECTRIC");
  SetAlias("IEPROJELECTRIC", "42|1");
  MapValue("IEPROJGASTYPE", "GAS");
  SetAlias("IEPROJGAS", "43|1");
  MapValue("IEPROJOILTYPE", "OIL");
  SetAlias("IEPROJOIL", "44|1");
  MapValue("IEPROJFUELTYPE", "FUEL");
  SetAlias("IEPROJFUELDESC", "45|1");
  SetAlias("IEPROJFUEL", "45|2");
  MapValue("IEPROJWATERSEWERTYPE", "WATERSEWER");
  SetAlias("IEPROJWATERSEWER", "46|1");
  MapValue("IEPROJTRASHTYPE", "TRASH");
  SetAlias("IEPROJTRASH", "47|1");
  MapValue("IEPROJPESTTYPE", "PEST");
  SetAlias("IEPROJPEST", "48|1");
  MapValue("IEPROJTAXLICTYPE", "TAXLIC");
  SetAlias("IEPROJTAXLICDESC", "49|1");
  SetAlias("IEPROJTAXLIC", "49|2");
  MapValue("IEPROJLABORTYPE", "LABOR");
  SetAlias("IEPROJLABOR", "50|1");
  MapValue("IEPROJPAINTTYPE", "PAINT");
  SetAlias("IEPROJPAINT", "54|1");
  MapValue("IEPROJREPAIRSTYPE", "REPAIRS");
  SetAlias("IEPROJREPAIRS", "57|1");
  MapValue("IEPROJMGMTTYPE", "MGMT");
  SetAlias("IEPROJMGMT", "61|1");
  MapValue("IEPROJSUPPLIESTYPE", "SUPPLIES");
  SetAlias("IEPROJSUPPLIES", "64|1");
  MapValue("IEPROJREPRESTYPE", "REPRES");
  SetAlias("IEPROJREPRES", "67|1");

  // Projection: miscellaneous lines, counted from 0; the first has no description
  MapValue("IEPROJMISC(0)TYPE", "MISC0");
  SetAlias("IEPROJMISC(0)", "68|1");
  MapValue("IEPROJMISC(1)TYPE", "MISC1");
  SetAlias("IEPROJMISC(1)DESC", "69|1");
  SetAlias("IEPROJMISC(1)", "69|2");
  MapValue("IEPROJMISC(2)TYPE", "MISC2");
  SetAlias("IEPROJMISC(2)DESC", "70|1");
  SetAlias("IEPROJMISC(2)", "70|2");
  MapValue("IEPROJMISC(3)TYPE", "MISC3");
  SetAlias("IEPROJMISC(3)DESC", "71|1");
  SetAlias("IEPROJMISC(3)", "71|2");
  MapValue("IEPROJMISC(4)TYPE", "MISC4");
  SetAlias("IEPROJMISC(4)DESC", "72|1");
  SetAlias("IEPROJMISC(4)", "72|2");
  MapValue("IEPROJMISC(5)TYPE", "MISC5");
  SetAlias("IEPROJMISC(5)DESC", "73|1");
  SetAlias("IEPROJMISC(5)", "73|2");
  MapValue("IEPROJMISC(6)TYPE", "MISC6");
  SetAlias("IEPROJMISC(6)DESC", "74|1");
  SetAlias("IEPROJMISC(6)", "74|2");
  MapValue("IEPROJMISC(7)TYPE", "MISC7");
  SetAlias("IEPROJMISC(7)DESC", "75|1");
  SetAlias("IEPROJMISC(7)", "75|2");
  MapValue("IEPROJMISC(8)TYPE", "MISC8");
  SetAlias("IEPROJMISC(8)DESC", "76|1");
  SetAlias("IEPROJMISC(8)", "76|2");
  MapValue("IEPROJTOTALOPEXTYPE", "TOTALOPEX");
  SetAlias("IEPROJTOTALOPEX", "78|1");

  // The case and file numbers again, at the head of the second page
  SetAlias("CASE_NO", "85|1");
  SetAlias("FILENUM", "86|1");

  // Replacement reserves
  MapValue("EQUIPSTOVETYPE", "STOVE");
  SetAlias("EQUIPSTOVEREPCOST", "96|1");
  SetAlias("EQUIPSTOVEREMLIFE", "96|2");
  SetAlias("EQUIPSTOVENUMUNITS", "96|3");
  SetAlias("EQUIPSTOVEAMT", "96|4");
  MapValue("EQUIPFRIGTYPE", "FRIG");
  SetAlias("EQUIPFRIGREPCOST", "97|1");
  SetAlias("EQUIPFRIGREMLIFE", "97|2");
  SetAlias("EQUIPFRIGNUMUNITS", "97|3");
  SetAlias("EQUIPFRIGAMT", "97|4");
  MapValue("EQUIPDWASHTYPE", "DWASH");
  SetAlias("EQUIPDWASHREPCOST", "98|1");
  SetAlias("EQUIPDWASHREMLIFE", "98|2");
  SetAlias("EQUIPDWASHNUMUNITS", "98|3");
  SetAlias("EQUIPDWASHAMT", "98|4");
  MapValue("EQUIPACUNITSTYPE", "ACUNITS");
  SetAlias("EQUIPACUNITSREPCOST", "99|1");
  SetAlias("EQUIPACUNITSREMLIFE", "99|2");
  SetAlias("EQUIPACUNITSNUMUNITS", "99|3");
  SetAlias("EQUIPACUNITSAMT", "99|4");
  MapValue("EQUIPWASHDRYTYPE", "WASHDRY");
  SetAlias("EQUIPWASHDRYREPCOST", "100|1");
  SetAlias("EQUIPWASHDRYREMLIFE", "100|2");
  SetAlias("EQUIPWASHDRYNUMUNITS", "100|3");
  SetAlias("EQUIPWASHDRYAMT", "100|4");
  MapValue("EQUIPHEATERTYPE", "HEATER");
  SetAlias("EQUIPHEATERREPCOST", "101|1");
  SetAlias("EQUIPHEATERREMLIFE", "101|2");
  SetAlias("EQUIPHEATERNUMUNITS", "101|3");
  SetAlias("EQUIPHEATERAMT", "101|4");
  MapValue("EQUIPFURNACETYPE", "FURNACE");
  SetAlias("EQUIPFURNACEREPCOST", "102|1");
  SetAlias("EQUIPFURNACEREMLIFE", "102|2");
  SetAlias("EQUIPFURNACENUMUNITS", "102|3");
  SetAlias("EQUIPFURNACEAMT", "102|4");
  MapValue("EQUIPOTHER(1)TYPE", "OTHER1EQUIP");
  SetAlias("EQUIPOTHER(1)DESC", "103|1");
  SetAlias("EQUIPOTHER(1)REPCOST", "103|2");
  SetAlias("EQUIPOTHER(1)REMLIFE", "103|3");
  SetAlias("EQUIPOTHER(1)NUMUNITS", "103|4");
  SetAlias("EQUIPOTHER(1)AMT", "103|5");
  MapValue("EQUIPROOFTYPE", "ROOF");
  SetAlias("EQUIPROOFREPCOST", "105|1");
  SetAlias("EQUIPROOFREMLIFE", "105|2");
  SetAlias("EQUIPROOFAMT", "105|3");
  MapValue("EQUIPCARPUNITSTYPE", "CARPUNITS");
  SetAlias("EQUIPCARPUNITSSQYDS", "109|1");
  SetAlias("EQUIPCARPUNITSREPCOST", "109|2");
  SetAlias("EQUIPCARPUNITSREMLIFE", "109|3");
  SetAlias("EQUIPCARPUNITSAMT", "109|4");
  MapValue("EQUIPCARPPUBTYPE", "CARPPUB");
  SetAlias("EQUIPCARPPUBSQYDS", "110|1");
  SetAlias("EQUIPCARPPUBREPCOST", "110|2");
  SetAlias("EQUIPCARPPUBREMLIFE", "110|3");
  SetAlias("EQUIPCARPPUBAMT", "110|4");

  // Summary: three projection values a second time, then its own items
  SetAlias("IEPROJREPRES", "112|1");
  SetAlias("IEPROJEFFGROSS", "116|1");
  SetAlias("IEPROJTOTALOPEX", "116|2");
  MapValue("IEPROJOPERINCTYPE", "OPERINC");
  SetAlias("IEPROJOPERINC", "116|3");
  MapValue("IEPROJMONOPERINCTYPE", "MONOPERINC");
  SetAlias("IEPROJMONOPERINC", "116|4");
  MapValue("IEPROJMONOPERINC2TYPE", "MONOPERINC2");
  SetAlias("IEPROJMONOPERINC2", "118|1");
  MapValue("IEPROJMONHOUSEEXTYPE", "MONHOUSEEX");
  SetAlias("IEPROJMONHOUSEEX", "118|2");
  SetAlias("IEPROJNETCASH", "118|3");

  // Comments, appraiser and underwriter
  SetAlias("COMMENTS", "143|1");
  SetAlias("APPRAISER", "150|1");
  SetAlias("APPRAISERDTSIGNED", "150|3");
  SetAlias("UNDERWRITERCOMMENT", "152|1");
}

}  // namespace ombrel
