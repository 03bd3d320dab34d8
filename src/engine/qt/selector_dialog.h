// The target-form dialog "Selector" as a Qt window: a fixed dialog with a
// frame of option buttons and the button "O&k". It is built on its first
// showing, laid out in twips by the engine at 15 twips a pixel, and only
// hidden after use, so its options, size, place and last choice stay.
#pragma once

#include <vector>

#include <QDialog>

#include "platform/ui.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace ombrel {

class SelectorDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SelectorDialog(QWidget* parent = nullptr);

  // Builds the dialog if it is not built yet, shows it modally with the
  // request's default option checked and returns the option checked when
  // "O&k" was pressed, or SelectorAnswer::kClosed for the close box.
  SelectorAnswer Choose(const SelectorRequest& request);

  bool built() const { return !options_.empty(); }
  const std::vector<QRadioButton*>& options() const { return options_; }
  QGroupBox* frame() const { return frame_; }
  QPushButton* okay() const { return okay_; }

  static int TwipsToPixels(int32_t twips);

 private:
  void Build(const SelectorRequest& request);

  QGroupBox* frame_;
  QPushButton* okay_;
  QButtonGroup* group_;
  std::vector<QRadioButton*> options_;
  bool okayPressed_ = false;
};

}  // namespace ombrel
