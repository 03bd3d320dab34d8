// The heading a comment field of a host form carries on the extended-comments
// addendum, by form id (compared upper-cased) and field address (exact).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ombrel {

struct CommentHeadingRow {
  std::string_view formId;     // upper case
  std::string_view fieldAddr;
  std::string_view heading;    // as stored: case and underscore count
};

std::span<const CommentHeadingRow> CommentHeadingTable();

// The heading, or "" when the form or the field has none. Never shows anything.
std::string CommentHeading(const std::string& formName, const std::string& fieldAddr);

}  // namespace ombrel
