#include "engine/selector_layout.h"

#include <algorithm>

namespace ombrel {

namespace {
// The dialog as designed.
constexpr int32_t kOptionLeft = 120;
constexpr int32_t kFirstOptionTop = 240;
constexpr int32_t kOptionHeight = 360;
constexpr int32_t kOptionPitch = 420;
constexpr int32_t kCaptionMargin = 360;  // the option's round button and its gap
constexpr int32_t kFrameLeft = 60;
constexpr int32_t kFrameTop = 60;
constexpr int32_t kOkayTop = 240;
constexpr int32_t kOkayWidth = 960;
constexpr int32_t kOkayHeight = 480;
constexpr int32_t kOkayGap = 360;
constexpr int32_t kRightMargin = 360;
constexpr int32_t kBottomMargin = 60;
}  // namespace

SelectorLayout LayoutSelector(const std::vector<int32_t>& captionWidths, int32_t borderHeight,
                              int32_t screenWidth, int32_t screenHeight) {
  int32_t widest = 0;
  for (int32_t width : captionWidths) widest = std::max(widest, width);
  const int32_t optionWidth = widest + kCaptionMargin;

  SelectorLayout layout;
  // The designed option 0 stands even when there are no captions.
  const std::size_t count = std::max<std::size_t>(captionWidths.size(), 1);
  for (std::size_t i = 0; i < count; ++i) {
    layout.options.push_back({kOptionLeft, kFirstOptionTop + kOptionPitch * static_cast<int32_t>(i),
                              optionWidth, kOptionHeight});
  }

  layout.frame = {kFrameLeft, kFrameTop, kOptionLeft + optionWidth + kOptionLeft,
                  layout.options.back().top + kOptionPitch};
  layout.okay = {layout.frame.width + kOkayGap, kOkayTop, kOkayWidth, kOkayHeight};

  layout.dialog.width = layout.okay.left + layout.okay.width + kRightMargin;
  layout.dialog.height =
      borderHeight + layout.frame.top + layout.frame.height + kBottomMargin;
  // Integer halves, the remainder dropped toward zero (also when the screen
  // is smaller than the dialog).
  layout.dialog.left = (screenWidth - layout.dialog.width) / 2;
  layout.dialog.top = (screenHeight - layout.dialog.height) / 2;
  return layout;
}

}  // namespace ombrel
