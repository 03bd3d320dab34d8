// The main window's logic, free of any toolkit: the start-up, the envelope
// step behind the window's one button, the About menu and the shutdown. The
// Qt window only forwards its events here, so tests drive the whole program
// with a scripted Ui. Reads and sets the globals of Global().
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/xml_engine.h"
#include "platform/registry.h"
#include "shell/logger.h"

namespace ombrel {

// What the main window needs beyond Global().ui and Global().components.
struct MainServices {
  // Full path of the running executable; the log is written beside it.
  std::string executablePath;
  // Creates the log writer; nullptr when it cannot be created.
  std::function<std::unique_ptr<Logger>()> createLogger;
  // Creates the engine that translates one envelope's main order document.
  std::function<std::unique_ptr<XmlEngine>()> createEngine;
  // Opens the registry the About box reads; nullptr when there is none.
  std::function<std::unique_ptr<Registry>()> openRegistry;
  // Starts a program detached; raises an Error when it cannot.
  std::function<void(const std::string&)> startProgram;
};

// The services of the program as a user runs it: this executable, the system
// clock, the registry in the Windows directory, detached processes.
MainServices RealMainServices(std::function<std::unique_ptr<XmlEngine>()> createEngine);

class Main {
 public:
  explicit Main(MainServices services);

  // The start-up. True when the window is to be shown; false when a failure
  // ended the program (the shutdown has then already run).
  bool Form_Load();

  // The shutdown: releases the engine, the envelope files, the file-system
  // service and the log writer, in that order.
  void Form_Unload();

  // The envelope step: the window's button.
  void Open_Click();

  // Shows the About box modally.
  void mnuAbout_Click();

 private:
  MainServices services_;
};

}  // namespace ombrel
