// The tables shared by the translators of forms 2055 and 2065 (FM2055, DAWI,
// QAR, FM2065): one main-form table in sections and one addenda table, with
// virtual points where a member of the family writes other or more fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/translator.h"

namespace ombrel {

// What a member of the family adds beside its main form.
struct Form2055Addenda {
  std::string_view comparables46;    // overflow form of comparables 4 to 6
  std::string_view comparables79;    // overflow form of comparables 7 to 9
  std::string_view overflowComment;  // the comment field of both overflow forms
  int16_t generalPhotos;             // how many additional photos are attached
};

class Form2055Family : public Translator {
 public:
  void EntrainMain() final;
  void AppendAddenda() final;

 protected:
  Form2055Family(const TranslatorConstants& constants, const Form2055Addenda& addenda)
      : Translator(constants), addenda_(addenda) {}

  // Sections of the main form, in the order EntrainMain makes them.
  void Opening();
  void Subject();
  void Neighborhood();
  void Site();
  void PropertyDescriptionSources();
  void Improvements();
  void ComparableSalesAndListings();
  virtual void SalesComparison();
  void Reconciliation();
  void PudProject();
  void CondoProject();
  void Appraiser();
  void SupervisoryAppraiser();

  // Points where a member's main form differs; the defaults are the 2055 form's.
  virtual void Title();
  virtual void AfterReportProfile() {}
  virtual void AppraisalMade();
  virtual void AfterMarketValue() {}
  virtual void AfterCondoProject() {}

  // Comparable n in column k (1 to 3) of an overflow form: its street first,
  // which guards the rest of its column.
  virtual void OverflowComparable(int n, int k);

 private:
  // Comparable n in its own column of the main form's grid.
  void MainComparable(int n);
  // The rows of comparable n below its street, in column k; the main form's
  // line numbers, moved up by shift on the overflow forms.
  void ComparableRows(int n, int k, int shift);

  Form2055Addenda addenda_;
};

}  // namespace ombrel
