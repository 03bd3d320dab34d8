// The members that go beyond one value into one field: switching the current
// form, placing the order's headed comments on the extended-comments
// addendum, recording order numbers that differ from the expected ones, and
// attaching photos (renumbering a comparable's frame by what was recorded).
#include <algorithm>
#include <cstddef>
#include <string>

#include "engine/comment_heading.h"
#include "engine/form_version.h"
#include "engine/photo_file.h"
#include "engine/text_compare.h"
#include "engine/xml_reader.h"
#include "platform/errors/error.h"
#include "platform/text/ascii_case.h"
#include "platform/text/sender_text.h"
#include "services/engine_services.h"
#include "services/error_handler.h"
#include "services/logger.h"

namespace ombrel {

namespace {

template <typename T>
T& Require(T* object) {
  if (object == nullptr) throw Error::ObjectNotSet(kAppTitle);
  return *object;
}

// True for "COMP(d)PHOTO" with d one decimal digit, letters exactly so: the
// photos of comparables 1 to 9, whose frames are renumbered.
bool IsComparablePhotoTag(const std::string& tag) {
  return tag.size() == 12 && tag.compare(0, 5, "COMP(") == 0 && IsAsciiDigit(tag[5]) &&
         tag.compare(6, 6, ")PHOTO") == 0;
}

// The length in bytes of the UTF-8 character that starts with lead.
std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Replaces the fifth character of frameID (the comparable's digit in
// "CMP_2_3X5") with the first character of source. A frame id shorter than
// five characters cannot take it: error 5, as a string too short would give.
void ReplaceFifthCharacter(std::string& frameID, const std::string& source) {
  std::size_t at = 0;
  for (int skipped = 0; skipped < 4 && at < frameID.size(); ++skipped) {
    at += CharLength(static_cast<unsigned char>(frameID[at]));
  }
  if (at >= frameID.size()) {
    throw Error(5, kAppTitle, "Invalid procedure call or argument");
  }
  const std::size_t oldLength =
      std::min(CharLength(static_cast<unsigned char>(frameID[at])), frameID.size() - at);
  const std::size_t newLength =
      std::min(CharLength(static_cast<unsigned char>(source[0])), source.size());
  frameID.replace(at, oldLength, source, 0, newLength);
}

}  // namespace

bool XmlReader::SetForm(const std::string& formID) {
  ErrorHandler handler(services_, ClassName, "SetForm");
  bool result = false;
  // Cleared first: when the report cannot even be asked, no earlier form may
  // stay current and take this form's version or its writes.
  CurrentForm = nullptr;
  if (!handler.Run([&] { CurrentForm = Report().GetForm(formID); })) {
    return result;
  }
  if (CurrentForm == nullptr) {
    if (!handler.Run([&] { CurrentForm = Report().AddForm(formID); })) {
      return result;
    }
  }
  if (CurrentForm == nullptr) return result;

  std::string version;
  if (!handler.Run([&] { version = FormVersion(services_, formID); })) return result;
  if (version.empty()) return result;  // current all the same, its version kept
  if (!handler.Run([&] { CurrentForm->SetVersion(version); })) return result;
  result = true;
  return result;
}

void XmlReader::AddExtended(const std::string& fieldAddr) {
  if (ExtendedCommentsForm == nullptr) return;
  ErrorHandler handler(services_, ClassName, "AddExtended");

  ++AddendaIndex;
  const std::string n = std::to_string(AddendaIndex);
  std::string number;
  if (!handler.Run([&] { number = TagValue("ADDENDA(" + n + ")NUM"); })) return;
  // No entry n: step back, and still offer entry n's (empty) name below.
  if (number.empty()) --AddendaIndex;

  std::string name;
  std::string text;
  std::string heading;
  if (!handler.Run([&] { name = TagValue("ADDENDA(" + n + ")NAME"); })) return;
  if (!handler.Run([&] { text = TagValue("ADDENDA(" + n + ")VALUE"); })) return;
  if (!handler.Run([&] { heading = CommentHeading(Current().Form(), fieldAddr); })) return;

  if (SameText(heading, name)) {
    if (!handler.Run([&] { ExtendedCommentsForm->AddField(fieldAddr, text); })) return;
    handler.Run([&] { ExtendedCommentsForm->AddTitle(fieldAddr, name); });
  } else {
    // Not this field's comment: offered again to the next field.
    --AddendaIndex;
  }
}

void XmlReader::MapValue(const std::string& ifxTag, const std::string& tagVal) {
  ErrorHandler handler(services_, ClassName, "MapValue");
  std::string v;
  if (!handler.Run([&] { v = TagValue(ifxTag); })) return;
  if (v.empty() || SameText(v, tagVal)) return;
  // A key already used keeps its first item, whatever the user answers.
  handler.Run([&] { Require(UnexpectedElements.get()).Add(v, tagVal); });
}

PictureFolder& XmlReader::Pictures(const std::string& folder) {
  if (!Pictures_ || Pictures_->folder() != folder) {
    Pictures_.emplace(services_.TheFileSystem(), folder, services_.othersPictures);
  }
  return *Pictures_;
}

bool XmlReader::SetPhoto(const std::string& ifxTag, std::string& frameID) {
  ErrorHandler handler(services_, ClassName, "SetPhoto");
  bool result = false;

  std::string fileName;
  if (!handler.Run([&] { fileName = TagValue(ifxTag); })) return result;
  if (fileName.empty()) return result;
  std::string path;
  if (!handler.Run([&] { path = Pictures(services_.pixFolder).Find(fileName); })) return result;
  if (path.empty()) return result;  // silently: the order names a file it did not send

  if (IsComparablePhotoTag(ifxTag)) {
    std::string photoNumber;
    if (!handler.Run([&] { photoNumber = TagValue(ifxTag + "NUM"); })) return result;
    const std::string position(1, ifxTag[5]);
    if (!SameText(photoNumber, position)) {
      // The comparable's own number check may have recorded where the order
      // really put this comparable; that wins over the photo's number.
      std::string recorded;
      if (!handler.Run([&] {
            recorded = Require(UnexpectedElements.get()).Item(position).value_or("");
          })) {
        return result;
      }
      if (!recorded.empty()) {
        if (!handler.Run([&] { ReplaceFifthCharacter(frameID, recorded); })) return result;
        if (!handler.Run([&] { UnexpectedElements->Remove(position); })) return result;
      } else if (!photoNumber.empty()) {
        if (!handler.Run([&] { ReplaceFifthCharacter(frameID, photoNumber); })) return result;
      }
    }
  }

  ReportImage* image = nullptr;
  if (!handler.Run([&] { image = Report().AddImage(frameID); })) {
    return result;
  }
  if (image == nullptr) {
    handler.Run([&] {
      services_.TheLog().LogEvent("Unable to attach image frame " + SenderText(frameID),
                                                kLogError);
    });
    return result;
  }

  if (!handler.Run([&] {
        image->SetFileName(services_.TheFileSystem().GetBaseName(path));
      })) {
    return result;
  }
  if (!handler.Run([&] {
        image->SetExtension(services_.TheFileSystem().GetExtensionName(path));
      })) {
    return result;
  }
  if (!handler.Run([&] { image->SetWidth(0); })) return result;
  if (!handler.Run([&] { image->SetHeight(0); })) return result;
  if (!handler.Run([&] { image->AttachFile(path); })) return result;
  result = true;
  return result;
}

}  // namespace ombrel
