// The version each host form must carry in the report, by form id (compared
// upper-cased). An id the table lacks is told to the user and gets no version.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ombrel {

struct EngineServices;

struct FormVersionRow {
  std::string_view formId;   // upper case
  std::string_view version;
};

// The rows in the order they are searched.
std::span<const FormVersionRow> FormVersionTable();

// The version of formId, or "" after a message box (through services' Ui)
// naming the id as passed.
std::string FormVersion(const EngineServices& services, const std::string& formId);

}  // namespace ombrel
