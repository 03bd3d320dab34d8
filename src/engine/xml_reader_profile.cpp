// The report profile ("offscrn"): its case, subject, value and lender fields,
// and its three signer blocks, each filled for one kind of signer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/common_forms.h"
#include "engine/form_version.h"
#include "engine/xml_reader.h"

namespace ombrel {

namespace {

// The order tags of one kind of signer and the field of the block's kind
// line that gets its "X".
struct SignerKind {
  const char* name;
  const char* title;
  const char* licenceNumber;
  const char* licenceState;
  const char* certificateNumber;
  const char* certificateState;
  const char* expiry;
  const char* dateSigned;
  const char* kindField;
};

// By AppraiserType 1 to 6. The second review appraiser's "2" stands at the
// very end of each tag, after the suffix.
constexpr SignerKind kSignerKinds[] = {
    // 1 appraiser
    {"APPRAISER", "APPRAISERTITLE", "APPRAISERSTATELICNUM", "APPRAISERLICSTATEPROV",
     "APPRAISERSTATECERTNUM", "APPRAISERCERTSTATEPROV", "APPRAISERLICCERTEXPDT",
     "APPRAISERDTSIGNED", "1"},
    // 2 supervisory appraiser
    {"SUPAPPRAISER", "SUPAPPRAISERTITLE", "SUPAPPRAISERSTATELICNUM", "SUPAPPRAISERLICSTATEPROV",
     "SUPAPPRAISERSTATECERTNUM", "SUPAPPRAISERCERTSTATEPROV", "SUPAPPRAISERLICCERTEXPDT",
     "SUPAPPRAISERDTSIGNED", "3"},
    // 3 review appraiser
    {"REVAPPRAISER", "REVAPPRAISERTITLE", "REVAPPRAISERSTATELICNUM", "REVAPPRAISERLICSTATEPROV",
     "REVAPPRAISERSTATECERTNUM", "REVAPPRAISERCERTSTATEPROV", "REVAPPRAISERLICCERTEXPDT",
     "REVAPPRAISERDTSIGNED", "2"},
    // 4 second review appraiser
    {"REVAPPRAISER2", "REVAPPRAISERTITLE2", "REVAPPRAISERSTATELICNUM2",
     "REVAPPRAISERLICSTATEPROV2", "REVAPPRAISERSTATECERTNUM2", "REVAPPRAISERCERTSTATEPROV2",
     "REVAPPRAISERLICCERTEXPDT2", "REVAPPRAISERDTSIGNED2", "2"},
    // 5 underwriter
    {"UNDERWRITER", "UNDERWRITERTITLE", "UNDERWRITERSTATELICNUM", "UNDERWRITERLICSTATEPROV",
     "UNDERWRITERSTATECERTNUM", "UNDERWRITERCERTSTATEPROV", "UNDERWRITERLICCERTEXPDT",
     "UNDERWRITERDTSIGNED", "2"},
    // 6 inspector
    {"INSPECTOR", "INSPECTORTITLE", "INSPECTORSTATELICNUM", "INSPECTORLICSTATEPROV",
     "INSPECTORSTATECERTNUM", "INSPECTORCERTSTATEPROV", "INSPECTORLICCERTEXPDT",
     "INSPECTORDTSIGNED", "4"},
};

// The cells of one signer block of the report profile.
struct SignerBlock {
  const char* kindLine;
  const char* name;
  const char* title;
  const char* licenceBox;
  const char* certificateBox;
  const char* number;  // the licence or the certificate number, whichever is written
  const char* state;
  const char* expiry;
  const char* dateSigned;
  const char* firstInspection;
  const char* secondInspection;
};

// By AppraiserNum 1 to 3. Blocks 2 and 3 lie nine and eighteen lines below
// block 1, except their inspection cells: block 1 has the one cell 31|2 for
// both, and block 3 has its two in the reverse order of block 2's.
constexpr SignerBlock kSignerBlocks[] = {
    {"30", "31|1", "32|1", "34|1", "34|2", "33|1", "33|2", "33|3", "36|1", "31|2", "31|2"},
    {"39", "40|1", "41|1", "43|1", "43|2", "42|1", "42|2", "42|3", "45|1", "40|2", "40|3"},
    {"48", "49|1", "50|1", "52|1", "52|2", "51|1", "51|2", "51|3", "54|1", "49|3", "49|2"},
};

template <typename T, std::size_t N>
const T* Row(const T (&table)[N], int16_t number) {
  if (number < 1 || static_cast<std::size_t>(number) > N) return nullptr;
  return &table[number - 1];
}

}  // namespace

void XmlReader::ProcessOffscrn() {
  if (ReportProfileForm == nullptr) return;
  HostForm& profile = *ReportProfileForm;
  // Every field is written, an absent tag as an empty value.
  profile.AddField("2|3", TagValue("CASE_NO"));
  profile.SetVersion(FormVersion(services_, "offscrn"));
  profile.AddField("18|2", TagValue("CASENUM"));
  profile.AddField("3|3", TagValue("FILENUM"));
  profile.AddField("6|1", TagValue("BORROWER"));
  profile.AddField("7|1", TagValue("PROPADDR"));
  profile.AddField("8|1", TagValue("CITY"));
  profile.AddField("8|2", TagValue("COUNTY"));
  profile.AddField("8|3", TagValue("STATEPROV"));
  profile.AddField("8|4", TagValue("ZIP"));
  profile.AddField("11|1", TagValue("ESTMARKETVALUE"));
  profile.AddField("11|2", LongDate(TagValue("ESTMARKETVALUEDT")));
  profile.AddField("14|1", TagValue("LENDERCLIENT"));
  profile.AddField("10|1", TagValue("LEGALDESC"));
  profile.AddField("15|1", TagValue("LENDERCLIENTSTREET"));
  // The separator stands even when city and state are both absent.
  profile.AddField("16|1", TagValue("LENDERCLIENTCITY") + ", " + TagValue("LENDERCLIENTSTATEPROV"));
  profile.AddField("17|1", TagValue("LENDERCLIENTZIP"));
}

void XmlReader::ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                                     const std::string& NextForm) {
  const SignerKind* kind = Row(kSignerKinds, AppraiserType);
  const SignerBlock* block = Row(kSignerBlocks, AppraiserNum);
  // A kind or block that does not exist writes nothing to the profile; the
  // caller's form is made current all the same.
  // "Offscrn": the profile was added as "offscrn"; forms are found without
  // regard to letter case.
  if (kind != nullptr && block != nullptr && SetForm("Offscrn")) {
    WriteDirect(std::string(block->kindLine) + "|" + kind->kindField, "X");
    SetAlias(kind->name, block->name);
    SetAlias(kind->title, block->title);
    // Licence and certificate share the number and state cells; the licence
    // wins when the order holds both.
    if (!ReadDirect(kind->licenceNumber).empty()) {
      WriteDirect(block->licenceBox, "X");
      SetAlias(kind->licenceNumber, block->number);
      SetAlias(kind->licenceState, block->state);
    } else if (!ReadDirect(kind->certificateNumber).empty()) {
      WriteDirect(block->certificateBox, "X");
      SetAlias(kind->certificateNumber, block->number);
      SetAlias(kind->certificateState, block->state);
    }
    SetAlias(kind->expiry, block->expiry);
    SetAlias(kind->dateSigned, block->dateSigned);

    if (AppraiserType == 2) {
      const std::string inspected = ReadDirect("INSPECTSUBJECTPROP");
      if (inspected == "DID") {
        WriteDirect(block->firstInspection, "X");
      } else if (inspected == "DIDNOT") {
        WriteDirect(block->secondInspection, "X");
      }
    } else if (AppraiserType == 3) {
      // Any value but "ON", none included, ticks the second cell.
      WriteDirect(ReadDirect("REVAPPRAISERNOINSPECT") == "ON" ? block->firstInspection
                                                               : block->secondInspection,
                  "X");
    }
  }
  SetForm(NextForm);
}

}  // namespace ombrel
