// The two procedures behind the continuation form "CLIXDRAW": whether the
// order has draws beyond the fifth, and the split of the inspector's comment
// between "CLI" and "CLIXDRAW".
#include <string>
#include <string_view>

#include "services/error_handler.h"
#include "translators/ba_short/cli.h"

namespace ombrel {

namespace {

// Ends each paragraph of the inspector's comment; the three characters must
// stand together (blank, blank, carriage return, line feed is no separator).
constexpr std::string_view kSeparator = "  \n";

}  // namespace

// Only the contract total and the pool total decide: a draw 6 to 10 of any
// other line without one of them is not carried over. Both totals of a draw
// are read before either is tested.
bool CLI::HasExtraDraws(XmlEngine& xmlSvr) {
  for (int i = 6; i <= 10; ++i) {
    const std::string contract = xmlSvr.ReadDirect("CONSTRTOTALCONTRACTDRAW" + std::to_string(i));
    const std::string pool = xmlSvr.ReadDirect("CONSTRPOOLTOTALDRAW" + std::to_string(i));
    if (!contract.empty() || !pool.empty()) return true;
  }
  return false;
}

// The main form keeps the comment up to its second separator (the first one
// included); the continuation form takes what follows it. A comment with
// fewer than two separators stays whole on the main form.
void CLI::HandleClixdrawComment(XmlEngine& xmlSvr) {
  ErrorHandler handler(xmlSvr.Services(), "CLI::HandleClixdrawComment");
  std::string text;
  // After a failed read the comment counts as empty
  if (!handler.Run([&] { text = xmlSvr.ReadDirect("INSPECTORCOMMENT"); })) return;

  std::size_t second = std::string::npos;
  const std::size_t first = text.find(kSeparator);
  if (first != std::string::npos) second = text.find(kSeparator, first + 1);
  if (second == std::string::npos) return;

  const std::string rest = text.substr(second + kSeparator.size());
  const std::string head = text.substr(0, second);
  if (!handler.Run([&] {
        if (xmlSvr.SetForm("CLI")) xmlSvr.WriteDirect("64|1", head);
      })) {
    return;
  }
  handler.Run([&] {
    if (xmlSvr.SetForm("CLIXDRAW")) xmlSvr.WriteDirect("58|1", rest);
  });
}

}  // namespace ombrel
