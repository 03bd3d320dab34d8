// The main window: caption "Tessarine", one frame holding one picture button
// that runs the envelope step, and a Help menu with About. Everything it does
// is the core's Main; the window only forwards its events.
#pragma once

#include <functional>

#include <QMainWindow>

#include "shell/main_form.h"

namespace ombrel {

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(Main& main, QWidget* parent = nullptr);

 protected:
  // Closing the window ends the program, even with hidden dialogs still loaded.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs one step with the window taking no other input meanwhile.
  void RunStep(const std::function<void()>& step);

  Main& main_;
  bool busy_ = false;
};

}  // namespace ombrel
