// Translator of order form 2006, the review of an appraisal report set out as
// a checklist, onto the form "2006", with the reviewed report's sales grid
// (subject and comparables 1 to 3) on the comparables form "2006sc13".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2006 final : public Translator {
 public:
  FM2006() : Translator({"FM2006", "2006", "2006", "2006-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // One checklist item: its "ACCEPTABLE", "UNACCEPTABLE" and "NA" boxes in
  // fields field to field + 2 of line.
  void ChecklistRow(const char* ifxTag, int line, int field);
  // The subject's column of "2006sc13", written only when its street is.
  void SubjectColumn();
  // Comparable k (1 to 3) on "2006sc13", written only when its street is.
  void ComparableColumn(int k);
};

}  // namespace ombrel
