// The review form "FRR": signer blocks of the two review appraisers, report
// profile, the subject and the review appraiser, five rows of sales and
// listing history, thirteen review questions and the underwriter's part.
#include "translators/review_land_mh/fm2000.h"

namespace ombrel {

void FM2000::EntrainMain() {
  // Title, the review appraisers' signer blocks and the report profile; each
  // signer block makes "FRR" current again
  SetAlias("TITLE", "1|1");
  ProcessAppraiserInfo(1, 3, FormName());
  ProcessAppraiserInfo(2, 4, FormName());
  ProcessOffscrn();

  // Subject and assignment
  SetAlias("PROPADDR", "6|1");
  SetAlias("CITY", "6|2");
  SetAlias("STATEPROV", "6|3");
  SetAlias("ZIP", "6|4");
  ParseExtended("LEGALDESC", "7|1", true);
  SetAlias("PROPRIGHTS", "8|1");
  SetAlias("LENDERCLIENTFILENUM", "8|2");
  SetAlias("ORIGAPPRAISALDT", "9|1");
  SetAlias("BORROWER", "10|1");

  // Review appraiser
  SetAlias("REVAPPRAISERNAME", "11|1");
  SetAlias("REVAPPRAISERCONAME", "11|2");
  ParseAddress("12|1", "REVAPPRAISERCITY", "REVAPPRAISERSTATEPROV", "REVAPPRAISERZIP",
               "REVAPPRAISERSTREET", "");
  SetAlias("REVAPPRAISERPHONE", "13|1");
  SetAlias("REVAPPRAISERTAXID", "13|2");

  // Sales and listing history: row n on line 23 + n, whatever its number says
  MapValue("ASKING(1)NUM", "1");
  SetAlias("CONVEYANCERECORD(1)DT", "24|1");
  SetAlias("SALES(1)PRICE", "24|2");
  SetAlias("ASKING(1)PRICE", "24|3");
  SetAlias("MORTGAGE(1)AMOUNT", "24|4");
  SetAlias("GRANTOR(1)", "24|5");
  SetAlias("DATASCR(1)INFO", "24|6");
  MapValue("ASKING(2)NUM", "2");
  SetAlias("CONVEYANCERECORD(2)DT", "25|1");
  SetAlias("SALES(2)PRICE", "25|2");
  SetAlias("ASKING(2)PRICE", "25|3");
  SetAlias("MORTGAGE(2)AMOUNT", "25|4");
  SetAlias("GRANTOR(2)", "25|5");
  SetAlias("DATASCR(2)INFO", "25|6");
  MapValue("ASKING(3)NUM", "3");
  SetAlias("CONVEYANCERECORD(3)DT", "26|1");
  SetAlias("SALES(3)PRICE", "26|2");
  SetAlias("ASKING(3)PRICE", "26|3");
  SetAlias("MORTGAGE(3)AMOUNT", "26|4");
  SetAlias("GRANTOR(3)", "26|5");
  SetAlias("DATASCR(3)INFO", "26|6");
  MapValue("ASKING(4)NUM", "4");
  SetAlias("CONVEYANCERECORD(4)DT", "27|1");
  SetAlias("SALES(4)PRICE", "27|2");
  SetAlias("ASKING(4)PRICE", "27|3");
  SetAlias("MORTGAGE(4)AMOUNT", "27|4");
  SetAlias("GRANTOR(4)", "27|5");
  SetAlias("DATASCR(4)INFO", "27|6");
  MapValue("ASKING(5)NUM", "5");
  SetAlias("CONVEYANCERECORD(5)DT", "28|1");
  SetAlias("SALES(5)PRICE", "28|2");
  SetAlias("ASKING(5)PRICE", "28|3");
  SetAlias("MORTGAGE(5)AMOUNT", "28|4");
  SetAlias("GRANTOR(5)", "28|5");
  SetAlias("DATASCR(5)INFO", "28|6");

  // Review questions: "YES" and "NO" boxes (and "NA" for two), then the comment
  CheckAlias("REVIEWNBRHOODDESC", "30|1", "YES", {"30|2", "NO"});
  ParseExtended("REVIEWNBRHOODCOMMENTS", "31|1", true);
  CheckAlias("REVIEWSITEDESC", "38|1", "YES", {"38|2", "NO"});
  ParseExtended("REVIEWSITECOMMENTS", "38|3", true);
  CheckAlias("REVIEWCONDITIONIMPROVE", "45|1", "YES", {"45|2", "NO"});
  ParseExtended("REVIEWIMPROVECOMMENTS", "45|3", true);
  CheckAlias("REVIEWSIMILARDESC", "51|1", "YES", {"51|2", "NO"});
  ParseExtended("REVIEWSIMILARCOMMENTS", "52|1", true);
  CheckAlias("REVIEWSALESCOMPUNITCOUNT", "59|1", "YES", {"59|2", "NO"});
  ParseExtended("REVIEWSALESCOMPCOMMENTS", "60|1", true);
  CheckAlias("REVIEWSALEDTPRICE", "71|1", "YES", {"71|2", "NO"});
  ParseExtended("REVIEWSALEDTPRICECOMMENTS", "71|3", true);
  CheckAlias("REVIEWSALESCOMPCLOSED", "77|1", "YES", {"77|2", "NO"});
  ParseExtended("REVIEWSALESCOMPCLOSEDCOMMENTS", "78|1", true);
  CheckAlias("REVIEWSALESACCURATE", "88|1", "YES", {"88|2", "NO"});
  ParseExtended("REVIEWSALESACCURATECOMMENTS", "88|3", true);
  CheckAlias("REVIEWADJUSTMENTS", "97|1", "YES", {"97|2", "NO"});
  ParseExtended("REVIEWADJUSTMENTSCOMMENTS", "97|3", true);
  CheckAlias("REVIEWSUBJECTRESIDENTIAL", "106|1", "YES", {"106|2", "NO", "106|3", "NA"});
  ParseExtended("REVIEWSUBJECTRESIDENTIALCOMMENTS", "106|4", true);
  CheckAlias("REVIEWSUBJECTCONDOPUD", "115|1", "YES", {"115|2", "NO", "115|3", "NA"});
  ParseExtended("REVIEWSUBJECTCONDOPUDCOMMENTS", "115|4", true);
  CheckAlias("REVIEWSALESVALUE", "123|1", "YES", {"123|2", "NO"});
  ParseExtended("REVIEWSUBJECTVALUECOMMENTS", "125|1", true);
  CheckAlias("REVIEWNBRHOODECONOMY", "135|1", "YES", {"135|2", "NO"});
  ParseExtended("REVIEWNBRHOODECONOMYCOMMENTS", "136|1", true);

  // Closing: the review's last text, its signing date, and the underwriter
  ParseExtended("REVIEWSUBJECTCOOPACCURATE", "144|1", true);
  SetAlias("REVAPPRAISERDTSIGNED", "157|2");
  ParseExtended("UNDERWRITERCOMMENT", "159|1", true);
  SetAlias("UNDERWRITERDTSIGNED", "165|2");
}

}  // namespace ombrel
