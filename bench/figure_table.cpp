#include "figure_table.h"

#include <algorithm>
#include <cstdio>

namespace ombrel::bench {

namespace {

std::string Format(double value, const std::string& unit) {
  char text[64];
  const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : 2;
  std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit.c_str());
  return text;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

void PrintFigures(const std::vector<Figure>& figures, const std::vector<std::string>& notes,
                  std::ostream& out) {
  std::size_t nameWidth = 6;
  for (const Figure& figure : figures) nameWidth = std::max(nameWidth, figure.name.size());
  out << "\n" << Padded("figure", nameWidth) << "  " << Padded("value", 12) << "  "
      << Padded("reference", 12) << "  " << Padded("ratio", 7) << "  target\n";
  out << std::string(nameWidth + 2 + 12 + 2 + 12 + 2 + 7 + 2 + 18, '-') << "\n";
  for (const Figure& figure : figures) {
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx", figure.reference > 0 ? figure.value / figure.reference : 0.0);
    std::string verdict = figure.target;
    if (figure.met) verdict += *figure.met ? "  met" : "  NOT MET";
    out << Padded(figure.name, nameWidth) << "  " << Padded(Format(figure.value, figure.unit), 12)
        << "  " << Padded(Format(figure.reference, figure.unit), 12) << "  " << Padded(ratio, 7)
        << "  " << (verdict.empty() ? "-" : verdict) << "\n";
  }
  if (!notes.empty()) out << "\n";
  for (const std::string& note : notes) out << "note: " << note << "\n";
}

}  // namespace ombrel::bench
