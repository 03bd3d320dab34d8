// One host form of a report: its id and version, and its fields and titles in
// the order first written (a later write to an address replaces the value in
// place). Only addresses of the form n|m with positive decimal numbers denote
// a field; writes to any other address are accepted and kept nowhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/report/field_list.h"
#include "platform/report/report_document.h"

namespace ombrel {

class RptForm : public HostForm {
 public:
  explicit RptForm(std::string id) : id_(std::move(id)) {}

  std::string Version() const override { return version_; }
  void SetVersion(const std::string& version) override { version_ = version; }
  void AddField(const std::string& fieldAddr, std::string_view value) override;
  void AddTitle(const std::string& fieldAddr, const std::string& title) override;
  std::string Form() const override { return id_; }

  const FieldList& fields() const { return fields_; }
  const FieldList& titles() const { return titles_; }

  // The field key (FieldList::Key) of n|m, when address is two positive
  // decimal numbers joined by "|" (leading zeros allowed, at most nine
  // digits after them); nothing otherwise.
  static std::optional<uint64_t> AddressKey(std::string_view address);

 private:
  std::string id_;
  std::string version_;
  FieldList fields_;
  FieldList titles_;
};

}  // namespace ombrel
