// docs/forms.md tells order programs and report readers which form numbers
// Ombrel converts and which report form each gives, and which target forms
// an "ORXDATA" order offers. Its tables must say what the factory and the
// target-form list do.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "translators/factory_table.h"
#include "translators/target_forms.h"

namespace ombrel {
namespace {

using Row = std::vector<std::string>;

std::string DocumentText() {
  std::ifstream in(std::filesystem::path(OMBREL_DOCS_DIR) / "forms.md", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// "| a | `b` |" gives {"a", "`b`"}.
Row Cells(const std::string& line) {
  Row cells;
  std::size_t start = 1;
  for (std::size_t bar = line.find('|', start); bar != std::string::npos;
       bar = line.find('|', start)) {
    cells.push_back(Trim(std::string_view(line).substr(start, bar - start)));
    start = bar + 1;
  }
  return cells;
}

// The rows of the table whose header row is `header`, below its rule line;
// empty when the page has no such table.
std::vector<Row> TableUnder(const std::string& header) {
  const std::vector<std::string> lines = Lines(DocumentText());
  const auto at = std::find(lines.begin(), lines.end(), header);
  std::vector<Row> rows;
  if (at == lines.end() || std::next(at) == lines.end()) return rows;
  for (auto line = std::next(at, 2); line != lines.end() && line->starts_with("|"); ++line) {
    rows.push_back(Cells(*line));
  }
  return rows;
}

std::string Code(std::string_view text) { return "`" + std::string(text) + "`"; }

std::string Joined(const Row& row) {
  std::string text;
  for (const std::string& cell : row) text += "| " + cell + " ";
  return text + "|";
}

// What the page must say of one factory row.
Row Documented(const FactoryRow& row) {
  std::string altForm = "any";
  if (row.altFormRule == AltFormRule::kEqual) {
    altForm = row.altForm.empty() ? "empty" : Code(row.altForm);
  }
  if (row.formNumber == kTargetFormNumber) {
    return {Code(row.formNumber), altForm, "chosen in the target-form dialog (below)", "main"};
  }
  // A class without a skeleton can only add its form to a report.
  const std::string document = row.create()->Skeleton().empty() ? "supplemental" : "main";
  return {Code(row.formNumber), altForm, Code(row.formName), document};
}

// Rows in `left` that `right` lacks, each as many times as it is missing.
std::vector<Row> Missing(std::vector<Row> left, std::vector<Row> right) {
  std::sort(left.begin(), left.end());
  std::sort(right.begin(), right.end());
  std::vector<Row> missing;
  std::set_difference(left.begin(), left.end(), right.begin(), right.end(),
                      std::back_inserter(missing));
  return missing;
}

TEST(DocumentedFormsTest, TheFormTableListsEveryFactoryRowAndNothingElse) {
  const std::vector<Row> page =
      TableUnder("| form number | alternate form | report form | document |");
  ASSERT_FALSE(page.empty()) << OMBREL_DOCS_DIR "/forms.md has no form table";

  std::vector<Row> factory;
  for (const FactoryRow& row : FactoryTable()) factory.push_back(Documented(row));

  for (const Row& row : Missing(factory, page)) ADD_FAILURE() << "not on the page: " << Joined(row);
  for (const Row& row : Missing(page, factory)) ADD_FAILURE() << "not in the factory: " << Joined(row);
  EXPECT_EQ(page.size(), factory.size());
}

TEST(DocumentedFormsTest, TheTargetFormTableListsTheDialogsCodesInItsOrder) {
  const std::vector<Row> page = TableUnder("| code | converted as form number |");
  ASSERT_FALSE(page.empty()) << OMBREL_DOCS_DIR "/forms.md has no target-form table";

  std::vector<Row> targets;
  for (const TargetForm& form : TargetForms()) {
    targets.push_back({Code(form.code), Code(form.formNumber)});
  }
  EXPECT_EQ(page, targets);
}

}  // namespace
}  // namespace ombrel
