// The one QApplication of the Qt tests, made on first use; without a display
// it runs on the offscreen platform. Header-only: only the Qt tests link Qt.
#pragma once

#include <QApplication>
#include <QtGlobal>

namespace ombrel::testing {

inline QApplication& TestApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    return *existing;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

}  // namespace ombrel::testing
