// The form "VC01": the case and file numbers, which the form carries four
// times, the 85 condition items in the order of the checklist, the few plain
// values between them and the 32 described conditions.
#include "translators/supplemental/fhavc.h"

namespace ombrel {

void FHAVC::EntrainMain() {
  // Case and file numbers
  SetAlias("CASE_NO", "5|1");
  SetAlias("FILENUM", "6|1");

  // Site hazards, with no "NO" box
  ConditionItem("SINKHOLEHAZARD", "SINKHOLE", 32, 1);
  ConditionItem("OILWELLHAZARD300FT", "OILWELL300FT", 35, 1);
  ConditionItem("OILWELLHAZARD75FT", "OILWELL75FT", 38, 1);
  ConditionItem("ABANDONOILWELLHAZARD", "ABANDONOILWELL", 41, 1);
  ConditionItem("SLUSHPITHAZARD", "SLUSHPIT", 43, 1);
  ConditionItem("NOISEHAZARD", "NOISE", 46, 1);
  ConditionItem("NEWAIRPORTHAZARD", "AIRPORT", 48, 1);
  ConditionItem("PETROHAZARD", "PETRO", 51, 1);
  ConditionItem("VOLTAGEHAZARD", "VOLTAGE", 54, 1);
  ConditionItem("ODORHAZARD", "ODOR", 57, 1);
  ConditionItem("FLOODHAZARD", "FLOOD", 60, 1);
  ConditionItem("EXPLOSIVEHAZARD", "EXPLOSIVE", 63, 1);

  // Soil contamination
  ConditionItem("FAILEDSEPTICSOILCONT", "SEPTIC", 24, 1, 2);
  ConditionItem("USTSOILCONT", "UST", 27, 1, 2);
  ConditionItem("LANDFILLSOILCONT", "LANDFILL", 31, 1, 2);
  ConditionItem("POOLSOILCONT", "POOLS", 35, 2, 3);

  // Drainage; "DRAINGAGE" is the name as the order spells it
  ConditionItem("NOPOSITIVEDRAINAGETOP", "DRAINGAGE", 42, 1, 2);
  ConditionItem("STANDINGWATERTOP", "STANDINGWATER", 44, 1, 2);

  // Water and septic systems
  ConditionItem("LACKWATERSYSTEM", "LACKWATER", 51, 2, 3);
  ConditionItem("LACKSEPTICSYSTEM", "LACKSEPTIC", 54, 2, 3);

  // Wood infestation
  ConditionItem("ONGROUNDWOODINFEST", "ONGROUND", 67, 1, 2);
  ConditionItem("TERMITEWOODINFEST", "TERMITES", 71, 1, 2);

  // The case and file numbers, second time
  SetAlias("CASE_NO", "89|1");
  SetAlias("FILENUM", "90|1");

  // Access road
  ConditionItem("NOACCESSROAD", "NOACCESS", 97, 1, 2);
  ConditionItem("PRIVATEACCESSROAD", "PRIVATE", 100, 1, 2);
  ConditionItem("BADSURFACEROAD", "BADSURFACE", 103, 1, 2);

  // The access road's name and condition
  SetAlias("ACCESSROADNAME", "106|1");
  SetAlias("ACCESSROADCOND", "116|1");

  // Floors
  ConditionItem("FLOORCRACKS", "FLOORCRACKS", 127, 1, 2);
  ConditionItem("FLOORLEAKAGE", "FLOORLEAKAGE", 129, 1, 2);
  ConditionItem("FLOORINFEST", "FLOORINFEST", 131, 1, 2);

  // Walls
  ConditionItem("WALLCRACKS", "WALLCRACKS", 134, 1, 2);
  ConditionItem("WALLHOLES", "WALLHOLES", 137, 1, 2);
  ConditionItem("WALLWATERDAMAGE", "WALLWATERDAMAGE", 139, 1, 2);

  // Attic
  ConditionItem("ATTICHOLES", "ATTICHOLES", 142, 1, 2);
  ConditionItem("ATTICSUPPORT", "ATTICSUPPORT", 144, 1, 2);
  ConditionItem("ATTICWATERDAMAGE", "ATTICWATERDAMAGE", 146, 1, 2);
  ConditionItem("ATTICFAN", "ATTICFAN", 148, 1, 2);

  // Basement
  ConditionItem("BASEMENTACCESS", "BASEMENTACCESS", 156, 1, 2);
  ConditionItem("BASEMENTWATERDAMAGE", "BASEMENTWATERDAMAGE", 158, 1, 2);
  ConditionItem("BASEMENTEROSION", "BASEMENTEROSION", 95, 1, 2);

  // Crawl space
  ConditionItem("CRAWLACCESS", "CRAWLACCESS", 98, 1, 2);
  ConditionItem("CRAWLREPAIRACCESS", "CRAWLREPAIRACCESS", 101, 1, 2);
  ConditionItem("CRAWLBEAMS", "CRAWLBEAMS", 103, 3, 4);
  ConditionItem("CRAWLDAMPNESS", "CRAWLDAMPNESS", 105, 1, 2);

  // Roof
  ConditionItem("DEFECTIVEROOF", "DEFECTIVE", 112, 1, 2);
  ConditionItem("DETERIORATINGROOF", "DETERIORATING", 114, 1, 2);
  ConditionItem("LIFE2YRSROOF", "LIFE2YRS", 116, 2, 3);
  ConditionItem("HOLESROOF", "HOLES", 118, 2, 3);
  ConditionItem("GROUNDLEAKSIGNSROOF", "GROUNDLEAKSIGNS", 121, 1, 2);
  ConditionItem("FLATROOF", "FLAT", 123, 1, 2);

  // Furnace
  ConditionItem("ONSWITCHFURN", "ONSWITCHFURN", 141, 1, 2);
  ConditionItem("WARMAIRFURN", "WARMAIRFURN", 143, 1, 2);
  ConditionItem("NOISESFURN", "NOISESFURN", 145, 1, 2);
  ConditionItem("SMELLFURN", "SMELLFURN", 147, 1, 2);
  ConditionItem("SHUTSDOWNFURN", "SHUTSDOWNFURN", 150, 1, 2);
  ConditionItem("HOLESFURN", "HOLESFURN", 152, 1, 2);

  // Air conditioning
  ConditionItem("ONSWITCHAC", "ONSWITCHAC", 155, 1, 2);
  ConditionItem("WARMAIRAC", "WARMAIRAC", 157, 1, 2);
  ConditionItem("NOISESAC", "NOISESAC", 159, 1, 2);

  // The case and file numbers, third time
  SetAlias("CASE_NO", "173|1");
  SetAlias("FILENUM", "174|1");

  // Air conditioning, continued
  ConditionItem("SMELLAC", "SMELLAC", 178, 1, 2);
  ConditionItem("SHUTSDOWNAC", "SHUTSDOWNAC", 181, 1, 2);
  ConditionItem("HOLESAC", "HOLESAC", 183, 1, 2);

  // Electrical system
  ConditionItem("ONSWITCHELEC", "ONSWITCHELEC", 187, 1, 2);
  ConditionItem("BADOUTLETSELEC", "BADOUTLETSELEC", 190, 1, 2);
  ConditionItem("OUTLETSPARKSELEC", "OUTLETSPARKSELEC", 192, 1, 2);
  ConditionItem("EXPWIREELEC", "EXPWIREELEC", 194, 1, 2);
  ConditionItem("FRAYWIREELEC", "FRAYWIREELEC", 196, 1, 2);

  // Plumbing
  ConditionItem("BADTOILETPLMB", "BADTOILET", 200, 1, 2);
  ConditionItem("LEAKSPLMB", "LEAKS", 202, 1, 2);
  ConditionItem("LEAKDMGPLMB", "LEAKDAMAGE", 205, 1, 2);
  ConditionItem("PUDDLESPLMB", "PUDDLES", 207, 1, 2);
  ConditionItem("BADSEWERPLMB", "BADSEWER", 210, 1, 2);
  ConditionItem("SINKLEAKPLMB", "SINKLEAK", 213, 1, 2);
  ConditionItem("SINKNOWATERPLMB", "SINKNOWATER", 215, 1, 2);
  ConditionItem("NOWATERPRESSUREPLMB", "NOWATERPRESSURE", 218, 1, 2);
  ConditionItem("NOHOTWATERPLMB", "NOHOTWATER", 220, 1, 2);

  // Windows, exterior stairs and doors, entrance, handrails, garage door
  ConditionItem("BROKENWINDOWS", "BROKENWINDOWS", 227, 1, 2);
  ConditionItem("BROKENEXTSTAIRS", "BROKENEXTSTAIRS", 229, 1, 2);
  ConditionItem("BROKENEXTDOORS", "BROKENEXTDOORS", 231, 1, 2);
  ConditionItem("BLOCKEDENTRANCE", "BLOCKEDENTRANCE", 233, 1, 2);
  ConditionItem("STEPSNOHANDRAILS", "STEPSNOHANDRAILS", 235, 1, 2);
  ConditionItem("FAULTYGARAGEDOOR", "FAULTYGARAGEDOOR", 239, 1, 2);

  // Lead paint
  ConditionItem("INTERIORLEADPAINT", "INTERIOR", 183, 3, 4);
  ConditionItem("EXTERIORLEADPAINT", "EXTERIOR", 185, 1, 2);

  // Year built
  SetAlias("YRBUILT", "186|1");

  // Approval list, owner-occupancy and completion standards
  ConditionItem("FHAAPPROVALLIST", "FHAAPPROVALLIST", 197, 1, 2);
  ConditionItem("OWNEROCCUPANCYSTANDARDS", "OWNEROCCUPANCYSTANDARDS", 200, 3, 4);
  ConditionItem("COMPLETIONSTANDARDS", "COMPLETIONSTANDARDS", 203, 1, 2);

  // Value and repair costs, and the case and file numbers a fourth time
  SetAlias("ESTMARKETVALUE", "212|1");
  SetAlias("ESTREPAIRCOSTS", "217|1");
  SetAlias("CASE_NO", "257|1");
  SetAlias("FILENUM", "258|1");

  // Described conditions 1 to 32, each on its own line whatever the others hold
  for (int n = 1; n <= 32; ++n) ConditionDescription(n);
}

}  // namespace ombrel
