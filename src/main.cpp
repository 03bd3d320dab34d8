// Ombrel: the converter a user runs. Sets up the real components and the Qt
// user interface, runs the start-up, shows the main window while the start-up
// allows it, and releases the shared objects when the window closes.
#include <memory>

#include <QApplication>
#include <QPointer>

#include "engine/qt/selector_dialog.h"
#include "engine/selector.h"
#include "engine/xml_reader.h"
#include "platform/components.h"
#include "platform/qt/qt_ui.h"
#include "services/app_title.h"
#include "shell/main_form.h"
#include "shell/qt/envelope_icon.h"
#include "shell/qt/main_window.h"
#include "translators/catalogue.h"

int main(int argc, char** argv) {
  using namespace ombrel;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProductName));
  QApplication::setWindowIcon(EnvelopeIcon());

  const std::unique_ptr<ComponentFactory> components = CreateRealComponents();
  // The target-form window of the run: made on its first showing as a child
  // of the main window, then only hidden, so its layout and last choice stay.
  QPointer<SelectorDialog> selectorWindow;
  QtUi ui([&selectorWindow](const SelectorRequest& request, QWidget* parent) {
    if (selectorWindow.isNull()) selectorWindow = new SelectorDialog(parent);
    return selectorWindow->Choose(request);
  });
  // Every translator the program has; the engine knows them only as the
  // rows of this catalogue.
  const TranslatorCatalogue catalogue = Catalogue();
  // One target-form dialog for the run: each envelope's engine starts from
  // the choice made for the one before.
  Selector targetFormDialog(catalogue.targetForms);

  int result = 0;
  {
    Main main(RealMainServices(ui, *components, [&](const EngineServices& services) {
      return std::make_unique<XmlReader>(services, catalogue, targetFormDialog);
    }));
    if (main.Form_Load()) {
      MainWindow window(main);
      ui.SetParentWindow(&window);
      window.show();
      result = QApplication::exec();
      main.Form_Unload();
      ui.SetParentWindow(nullptr);
    }
  }
  return result;
}
