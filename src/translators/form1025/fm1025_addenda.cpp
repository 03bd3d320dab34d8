// What "MUL" has no room for: the headed comments, the overflow forms of
// listing comparables 4 to 6 and of rental and sales comparables 4 to 9, and
// the photos, sketches and maps.
#include "engine/common_forms.h"
#include "translators/form1025/fm1025.h"

namespace ombrel {

void FM1025::AppendAddenda() {
  // Headed comments, offered while "MUL" is current: their headings are looked up under its id
  AddExtended("2|2");
  AddExtended("336|1");

  // Each overflow form is added only when one of its comparables has a street,
  // and filled only when it could be given its version.
  // Listing comparables 4 to 6
  if (AnyTagPresent(Server_(), {"LISTCOMP(4)STREET", "LISTCOMP(5)STREET", "LISTCOMP(6)STREET"})) {
    if (SetForm("mullst46")) {
      ListingOverflowColumn(4, 1);
      ListingOverflowColumn(5, 2);
      ListingOverflowColumn(6, 3);
      SetAlias("COMPARISONTWO", "22|1");
    }
  }

  // Rental comparables 4 to 6
  if (AnyTagPresent(Server_(), {"RENTCOMP(4)STREET", "RENTCOMP(5)STREET", "RENTCOMP(6)STREET"})) {
    if (SetForm("mulrnt46")) {
      RentalOverflowColumn(4, 1);
      RentalOverflowColumn(5, 2);
      RentalOverflowColumn(6, 3);
      SetAlias("ANALYSISRENTALDATATWO", "49|1");
    }
  }

  // Rental comparables 7 to 9
  if (AnyTagPresent(Server_(), {"RENTCOMP(7)STREET", "RENTCOMP(8)STREET", "RENTCOMP(9)STREET"})) {
    if (SetForm("mulrnt79")) {
      RentalOverflowColumn(7, 1);
      RentalOverflowColumn(8, 2);
      RentalOverflowColumn(9, 3);
      SetAlias("ANALYSISRENTALDATATHREE", "49|1");
    }
  }

  // Sales comparables 4 to 6
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("mulcmp46")) {
      SalesOverflowColumn(4, 1);
      SalesOverflowColumn(5, 2);
      SalesOverflowColumn(6, 3);
      SetAlias("COMMENTSALESCOMPARETWO", "54|1");
    }
  }

  // Sales comparables 7 to 9
  if (AnyTagPresent(Server_(), {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"})) {
    if (SetForm("mulcmp79")) {
      SalesOverflowColumn(7, 1);
      SalesOverflowColumn(8, 2);
      SalesOverflowColumn(9, 3);
      SetAlias("COMMENTSALESCOMPARETHREE", "54|1");
    }
  }

  // Photos, sketches and maps, on whichever form was made current last
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddListingPhotos(Server_(), 6);
  AddRentalPhotos(Server_(), 9);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
