// The About box as a Qt dialog: the program's icon, name, version, date,
// purpose and legal notice, with "OK" and "&System Info...".
#pragma once

#include <functional>

#include <QDialog>

#include "platform/ui.h"

namespace ombrel {

class QtAboutBox : public QDialog {
 public:
  // onSystemInfo runs when "&System Info..." is pressed; the box stays open.
  QtAboutBox(const AboutContent& content, std::function<void()> onSystemInfo,
             QWidget* parent = nullptr);

 private:
  std::function<void()> onSystemInfo_;
};

}  // namespace ombrel
