// The field-writing members: one order value (or a few joined) into one field
// of the current form. A member that finds no value either writes nothing
// (SetAlias, CheckAlias, ParsePhone, ParseExtended) or writes an empty text
// (Combine, Compare, ParseAddress, WriteDirect).
#include <cstddef>
#include <string>

#include "engine/text_compare.h"
#include "engine/xml_reader.h"
#include "platform/errors/error.h"
#include "services/error_handler.h"

namespace ombrel {

namespace {

// Element i of a list the tables pass; a list too short for the pairs or
// tags a member expects raises error 9 inside that member.
const std::string& Element(const TextList& list, std::size_t i) {
  if (i >= list.size()) throw Error::SubscriptOutOfRange(kAppTitle);
  return list[i];
}

// text without the blanks (spaces only) at either end.
std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Appends part to text, with separator before it when text is not empty.
void AppendPart(std::string& text, const std::string& separator, const std::string& part) {
  if (part.empty()) return;
  if (!text.empty()) text += separator;
  text += part;
}

}  // namespace

bool XmlReader::SetAlias(const std::string& ifxTag, const std::string& fieldAddr) {
  ErrorHandler handler(services_, ClassName, "SetAlias");
  bool result = false;
  std::string_view v;
  if (!handler.Run([&] { v = TagText(ifxTag); })) return result;
  if (v.empty()) return result;  // the field keeps whatever it held
  if (!handler.Run([&] { Current().AddField(fieldAddr, v); })) return result;
  result = true;
  return result;
}

void XmlReader::CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                           const std::string& fieldTag, const TextList& fieldAttr) {
  ErrorHandler handler(services_, ClassName, "CheckAlias");
  std::string_view v;
  if (!handler.Run([&] { v = TagText(ifxTag); })) return;
  if (v == fieldTag) {
    handler.Run([&] { Current().AddField(fieldAddr, "X"); });
    return;
  }
  // fieldAttr holds (address, value) pairs; the first pair whose value
  // matches exactly gets the box.
  for (std::size_t i = 0; i < fieldAttr.size(); i += 2) {
    bool matches = false;
    if (!handler.Run([&] { matches = Element(fieldAttr, i + 1) == v; })) return;
    if (matches) {
      handler.Run([&] { Current().AddField(fieldAttr[i], "X"); });
      return;
    }
  }
}

void XmlReader::Combine(const std::string& fieldAddr, const std::string& delimiter,
                        int32_t /*pickIndex: passed by the tables, never used*/,
                        const TextList& tagList) {
  ErrorHandler handler(services_, ClassName, "Combine");
  std::string r;
  if (!handler.Run([&] { r = TagValue(Element(tagList, 0)); })) return;
  for (std::size_t i = 1; i < tagList.size(); ++i) {
    std::string s;
    if (!handler.Run([&] { s = TagValue(tagList[i]); })) return;
    AppendPart(r, delimiter, s);
  }
  handler.Run([&] { Current().AddField(fieldAddr, r); });
}

void XmlReader::Compare(const std::string& fieldOne, const std::string& fieldTwo,
                        const std::string& addr, const std::string& delimiter) {
  ErrorHandler handler(services_, ClassName, "Compare");
  std::string a;
  std::string b;
  if (!handler.Run([&] { a = TagValue(fieldOne); })) return;
  if (!handler.Run([&] { b = TagValue(fieldTwo); })) return;
  const std::string value = SameText(a, b) ? a : a + delimiter + b;
  handler.Run([&] { Current().AddField(addr, value); });
}

void XmlReader::ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                           const std::string& phoneNumber) {
  const std::string v = TagValue(ifxTag);
  if (v.empty()) return;

  const std::size_t open = v.find('(');
  if (open != std::string::npos) {
    const std::size_t close = v.find(')', open);
    if (close == std::string::npos) {
      Current().AddField(phoneNumber, v);
      return;
    }
    Current().AddField(areaCode, v.substr(open + 1, close - open - 1));
    Current().AddField(phoneNumber, TrimBlanks(v.substr(close + 1)));
    return;
  }

  const std::size_t dash = v.find('-');
  if (dash != std::string::npos && v.find('-', dash + 1) != std::string::npos) {
    Current().AddField(areaCode, v.substr(0, dash));
    Current().AddField(phoneNumber, v.substr(dash + 1));
    return;
  }
  Current().AddField(phoneNumber, v);
}

void XmlReader::ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                             const std::string& stateTag, const std::string& zipTag,
                             const std::string& streetTag, const std::string& defaultTag) {
  ErrorHandler handler(services_, ClassName, "ParseAddress");
  if (!defaultTag.empty()) {
    std::string d;
    if (!handler.Run([&] { d = TagValue(defaultTag); })) return;
    if (!d.empty()) {
      handler.Run([&] { Current().AddField(fieldAddr, d); });
      return;
    }
  }

  std::string r;
  std::string part;
  if (!streetTag.empty()) {
    if (!handler.Run([&] { r = TagValue(streetTag); })) return;
    if (!handler.Run([&] { part = TagValue(cityTag); })) return;
    AppendPart(r, ", ", part);
  } else {
    if (!handler.Run([&] { r = TagValue(cityTag); })) return;
  }
  part.clear();
  if (!handler.Run([&] { part = TagValue(stateTag); })) return;
  AppendPart(r, ", ", part);
  part.clear();
  if (!handler.Run([&] { part = TagValue(zipTag); })) return;
  AppendPart(r, "  ", part);
  handler.Run([&] { Current().AddField(fieldAddr, r); });
}

void XmlReader::ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                              bool bLaunchable) {
  ErrorHandler handler(services_, ClassName, "ParseExtended");
  std::string_view v;
  if (!handler.Run([&] { v = TagText(ifxTag); })) return;
  if (v.empty()) return;
  if (bLaunchable) {
    handler.Run([&] { Current().AddField(fieldAddr, v); });
  } else if (ExtendedCommentsForm != nullptr) {
    // The address names a field of the extended-comments addendum; titles
    // come only from AddExtended.
    handler.Run([&] { ExtendedCommentsForm->AddField(fieldAddr, v); });
  }
}

void XmlReader::WriteDirect(const std::string& addr, const std::string& value) {
  Current().AddField(addr, value);
}

std::string XmlReader::ReadDirect(const std::string& addr) { return TagValue(addr); }

std::string XmlReader::ReadExtendedDirect(const std::string& /*addr*/) { return ""; }

int32_t XmlReader::Licensing(int16_t aprIndex) {
  ErrorHandler handler(services_, ClassName, "Licensing");
  int32_t result = -2;
  const char* prefix = nullptr;
  if (aprIndex == 1) {
    prefix = "APPRAISER";
  } else if (aprIndex == 2) {
    prefix = "SUPAPPRAISER";
  } else {
    return result;
  }
  bool licence = false;
  bool certificate = false;
  if (!handler.Run([&] { licence = !TagText(std::string(prefix) + "STATELICNUM").empty(); })) {
    return result;
  }
  if (!handler.Run(
          [&] { certificate = !TagText(std::string(prefix) + "STATECERTNUM").empty(); })) {
    return result;
  }
  if (licence && !certificate) {
    result = -1;
  } else if (certificate && !licence) {
    result = 0;
  }
  return result;
}

void XmlReader::LoadSignature(int16_t /*nType*/, int16_t /*nIndex*/,
                              const std::string& /*ifxTag*/) {
  // Part of the interface only: no table signs through the engine.
}

}  // namespace ombrel
