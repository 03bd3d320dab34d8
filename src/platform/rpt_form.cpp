#include "platform/rpt_form.h"

namespace ombrel {

namespace {

// A positive decimal number of at most nine digits after its leading zeros;
// nothing when it is not one.
std::optional<uint32_t> PositiveNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  while (!text.empty() && text.front() == '0') text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  uint32_t number = 0;
  for (char c : text) number = number * 10 + static_cast<uint32_t>(c - '0');
  return number;
}

}  // namespace

std::optional<uint64_t> RptForm::AddressKey(std::string_view address) {
  const std::size_t bar = address.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  const auto line = PositiveNumber(address.substr(0, bar));
  const auto field = PositiveNumber(address.substr(bar + 1));
  if (!line || !field) return std::nullopt;
  return FieldList::Key(*line, *field);
}

void RptForm::AddField(const std::string& fieldAddr, std::string value) {
  if (const auto key = AddressKey(fieldAddr)) fields_.Set(*key, std::move(value));
}

void RptForm::AddTitle(const std::string& fieldAddr, const std::string& title) {
  if (const auto key = AddressKey(fieldAddr)) titles_.Set(*key, std::string(title));
}

}  // namespace ombrel
