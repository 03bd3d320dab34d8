// The Ui of the program as a user runs it: Qt message boxes, the beep, Qt's
// own file dialog set up from the common dialog's properties, and the About
// box. The target-form dialog is drawn by whoever is given as the selector.
#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "platform/ui.h"

namespace ombrel {

class QtUi : public Ui {
 public:
  using Selector = std::function<SelectorAnswer(const SelectorRequest&, QWidget* parent)>;

  // Without a selector the target-form dialog counts as closed.
  explicit QtUi(Selector selector = {});

  // The window that boxes and dialogs belong to; nullptr for none.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  void SetSelector(Selector selector) { selector_ = std::move(selector); }

  MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  void Beep() override;
  void ShowOpen(CommonDialog& dialog) override;
  void ShowSave(CommonDialog& dialog) override;
  SelectorAnswer ShowSelector(const SelectorRequest& request) override;
  void ShowAbout(const AboutContent& content, const std::function<void()>& onSystemInfo) override;

 private:
  void ShowFileDialog(CommonDialog& dialog, bool save);

  QPointer<QWidget> parent_;
  Selector selector_;
};

}  // namespace ombrel
