#include "platform/report/rpt_form.h"

namespace ombrel {

namespace {

// Reads a positive decimal number of at most nine digits after its leading
// zeros from address at at, up to the first byte that is no digit; at is left
// there. Nothing when there is no such number.
std::optional<uint32_t> PositiveNumberAt(std::string_view address, std::size_t& at) {
  while (at < address.size() && address[at] == '0') ++at;
  const std::size_t significant = at;
  uint32_t number = 0;
  for (; at < address.size() && at - significant < 10; ++at) {
    const auto digit = static_cast<unsigned char>(address[at] - '0');
    if (digit > 9) break;
    number = number * 10 + digit;
  }
  const std::size_t digits = at - significant;
  if (digits == 0 || digits > 9) return std::nullopt;  // no number, zero, or too large
  return number;
}

}  // namespace

// Every field write of a translation comes here: one pass over the address,
// with no search for the bar and no second look at the digits.
std::optional<uint64_t> RptForm::AddressKey(std::string_view address) {
  std::size_t at = 0;
  const std::optional<uint32_t> line = PositiveNumberAt(address, at);
  if (!line || at >= address.size() || address[at] != '|') return std::nullopt;
  ++at;
  const std::optional<uint32_t> field = PositiveNumberAt(address, at);
  if (!field || at != address.size()) return std::nullopt;
  return FieldList::Key(*line, *field);
}

void RptForm::AddField(const std::string& fieldAddr, std::string_view value) {
  if (const auto key = AddressKey(fieldAddr)) fields_.Set(*key, value);
}

void RptForm::AddTitle(const std::string& fieldAddr, const std::string& title) {
  if (const auto key = AddressKey(fieldAddr)) titles_.Set(*key, title);
}

}  // namespace ombrel
