#include "platform/rpt_form.h"

namespace ombrel {

namespace {

// A positive decimal number without leading zeros; nothing when it is not one.
std::optional<std::string_view> PositiveNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  while (!text.empty() && text.front() == '0') text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> RptForm::CanonicalAddress(std::string_view address) {
  const std::size_t bar = address.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  const auto line = PositiveNumber(address.substr(0, bar));
  const auto field = PositiveNumber(address.substr(bar + 1));
  if (!line || !field) return std::nullopt;
  return std::string(*line) + "|" + std::string(*field);
}

void RptForm::AddField(const std::string& fieldAddr, const std::string& value) {
  if (const auto address = CanonicalAddress(fieldAddr)) fields_.Set(*address, value);
}

void RptForm::AddTitle(const std::string& fieldAddr, const std::string& title) {
  if (const auto address = CanonicalAddress(fieldAddr)) titles_.Set(*address, title);
}

}  // namespace ombrel
