// The target-form dialog "Selector" as the program keeps it for the run: its
// option captions, read once from QOR.INI [Descriptions]; its layout, made
// once; and the option last chosen, which is the next showing's default. The
// window itself belongs to the Ui and is only hidden after use. The shell owns
// the one Selector of the run and hands it to each engine it creates.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/translator_catalogue.h"
#include "platform/ui.h"

namespace ombrel {

class Selector {
 public:
  // The designed option's code; also what a closed dialog answers.
  static constexpr const char* kInvalidCode = "Invalid";

  // One option for each target form, in their order.
  explicit Selector(std::span<const TargetForm> targetForms) : targetForms_(targetForms) {}

  // Builds the dialog on its first use, shows it modally and returns the code
  // of the chosen option, or "Invalid" when the user closed the dialog.
  std::string Choose(Ui& ui);

  // The index of the option last chosen; 0 until one was.
  int32_t SelectedItem() const { return selectedItem_; }
  void Selection_Click(int32_t index);

  bool Built() const { return !tags_.empty(); }
  const std::vector<std::string>& Captions() const { return captions_; }
  // The layout, once the window has asked for it.
  const std::optional<SelectorLayout>& Layout() const { return layout_; }

 private:
  void Build();

  std::span<const TargetForm> targetForms_;
  std::vector<std::string> captions_;
  std::vector<std::string> tags_;  // each option's code
  std::optional<SelectorLayout> layout_;
  int32_t selectedItem_ = 0;
};

}  // namespace ombrel
