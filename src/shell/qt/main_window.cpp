#include "shell/qt/main_window.h"

#include <exception>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "services/app_title.h"
#include "services/engine_services.h"
#include "shell/qt/envelope_icon.h"

namespace ombrel {

MainWindow::MainWindow(Main& main, QWidget* parent) : QMainWindow(parent), main_(main) {
  setWindowTitle(QStringLiteral("Tessarine"));
  setWindowIcon(EnvelopeIcon());

  auto* central = new QWidget(this);
  auto* frame = new QGroupBox(QStringLiteral("Envelope Converter"), central);
  frame->setObjectName(QStringLiteral("Frame1"));

  auto* open = new QToolButton(frame);
  open->setObjectName(QStringLiteral("Open"));
  open->setText(QStringLiteral("Create a report from an envelope file"));
  open->setToolTip(QStringLiteral("Make a report from an envelope file"));
  open->setIcon(EnvelopeIcon());
  open->setIconSize(QSize(48, 48));
  open->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  open->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  open->setMinimumSize(280, 110);
  connect(open, &QToolButton::clicked, this, [this] { RunStep([this] { main_.Open_Click(); }); });

  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(open);
  auto* centralLayout = new QVBoxLayout(central);
  centralLayout->addWidget(frame);
  setCentralWidget(central);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* about = help->addAction(QStringLiteral("&About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  connect(about, &QAction::triggered, this,
          [this] { RunStep([this] { main_.mnuAbout_Click(); }); });
}

void MainWindow::RunStep(const std::function<void()>& step) {
  if (busy_) return;
  busy_ = true;
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  try {
    step();
  } catch (const std::exception& e) {
    // Nothing may unwind through Qt's event loop. Errors of the program's
    // own kind are handled inside the step; this is anything else.
    const EngineServices& services = main_.Services();
    if (services.log != nullptr) services.log->LogEvent(e.what(), kLogError);
    if (services.ui != nullptr) {
      services.ui->MessageBox(e.what(), MsgButtons::kOk, MsgIcon::kCritical, kAppTitle);
    }
  }
  centralWidget()->setEnabled(true);
  menuBar()->setEnabled(true);
  busy_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::quit();
}

}  // namespace ombrel
