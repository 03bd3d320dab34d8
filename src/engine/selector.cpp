#include "engine/selector.h"

#include "engine/selector_layout.h"
#include "platform/errors/error.h"
#include "services/app_title.h"
#include "services/file_utils.h"

namespace ombrel {

void Selector::Build() {
  captions_.clear();
  tags_.clear();
  for (const TargetForm& form : targetForms_) {
    const std::string code(form.code);
    captions_.push_back(ReadIniValue("QOR.INI", "Descriptions", code));
    tags_.push_back(code);
  }
}

void Selector::Selection_Click(int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= tags_.size()) {
    throw Error::SubscriptOutOfRange(kAppTitle);
  }
  selectedItem_ = index;
}

std::string Selector::Choose(Ui& ui) {
  if (!Built()) Build();

  SelectorRequest request;
  request.caption = "Select a Target Form";
  request.frameCaption = "Available Forms";
  request.optionCaptions = captions_;
  request.defaultIndex = selectedItem_;
  if (!layout_) {
    request.build = [this](const SelectorMetrics& metrics) {
      std::vector<int32_t> widths;
      for (const std::string& caption : captions_) {
        widths.push_back(metrics.textWidth ? metrics.textWidth(caption) : 0);
      }
      layout_ = LayoutSelector(widths, metrics.borderHeight, metrics.screenWidth,
                               metrics.screenHeight);
      return *layout_;
    };
  }

  const SelectorAnswer answer = ui.ShowSelector(request);
  // The close box is no choice: the code of the dialog as designed, which no
  // translator answers. The last choice stays the default.
  if (answer.index == SelectorAnswer::kClosed) return kInvalidCode;
  Selection_Click(answer.index);
  return tags_[static_cast<std::size_t>(selectedItem_)];
}

}  // namespace ombrel
