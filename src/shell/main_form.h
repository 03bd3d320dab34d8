// The main window's logic, free of any toolkit: the start-up, the envelope
// step behind the window's one button, the About menu and the shutdown. The
// Qt window only forwards its events here, so tests drive the whole program
// with a scripted Ui. Main owns the program's shared objects (the log writer,
// the file-system service, the envelope's files, the last engine) and the
// EngineServices that refer to them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/xml_engine.h"
#include "platform/components.h"
#include "platform/files/file_system_object.h"
#include "platform/settings/registry.h"
#include "platform/ui.h"
#include "services/engine_services.h"
#include "services/file_record.h"
#include "services/logger.h"

namespace ombrel {

class Envelope;
class ErrorHandler;

// What the main window is given to run with.
struct MainServices {
  // How the program reaches the user and the outside components. Not owned.
  Ui* ui = nullptr;
  ComponentFactory* components = nullptr;
  // Full path of the running executable; the log is written beside it.
  std::string executablePath;
  // Creates the log writer, which reports its own failures through the
  // services; nullptr when it cannot be created.
  std::function<std::unique_ptr<Logger>(const EngineServices&)> createLogger;
  // Creates the engine that translates one envelope's main order document,
  // handing it the services.
  std::function<std::unique_ptr<XmlEngine>(const EngineServices&)> createEngine;
  // Opens the registry the About box reads; nullptr when there is none.
  std::function<std::unique_ptr<Registry>()> openRegistry;
  // Starts a program detached; raises an Error when it cannot.
  std::function<void(const std::string&)> startProgram;
};

// The services of the program as a user runs it: this executable, the system
// clock, the registry in the Windows directory, detached processes.
MainServices RealMainServices(
    Ui& ui, ComponentFactory& components,
    std::function<std::unique_ptr<XmlEngine>(const EngineServices&)> createEngine);

class Main {
 public:
  explicit Main(MainServices services);
  Main(const Main&) = delete;
  Main& operator=(const Main&) = delete;

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

  // What the engine and the error reporter are handed; its objects are the
  // ones Main holds at the moment.
  const EngineServices& Services() const { return engineServices_; }
  // Where the Open dialog starts: Kestrov's XML folder, "" until known.
  const std::string& XmlFolder() const { return xmlFolder_; }
  // The engine of the last envelope; nullptr before the first or after the
  // shutdown.
  const XmlEngine* Engine() const { return engine_.get(); }

 private:
  // Open_Click's steps, in the order it takes them. Each runs its statements
  // through handler and returns False when the envelope step ends there.
  struct DocumentAttributes;
  bool CreateStepFileSystem(ErrorHandler& handler, std::unique_ptr<FileSystemObject>& fso) const;
  // Takes the lock of the order program's folder workspace for the rest of
  // the step, waiting through the error box while another window holds it.
  bool LockWorkspace(ErrorHandler& handler, const std::string& workspace, std::unique_ptr<WorkspaceLock>& lock);
  // Takes the lock of another order program's folder when the envelope's
  // folder lies in it; lock stays empty when this workspace's lock covers
  // that folder, or none does.
  bool LockEnvelopeFolder(ErrorHandler& handler, FileSystemObject& fso, const std::string& folder,
                          std::unique_ptr<WorkspaceLock>& lock);
  // Logs what taking the lock cleared of steps that did not finish, and
  // hands the engine the photos another user's step left that stay.
  bool LogClearedStep(ErrorHandler& handler, const WorkspaceLock& lock, const std::string& workspace);
  // Creates the envelope's reader and validates the envelope at path.
  bool OpenEnvelope(ErrorHandler& handler, const std::string& path,
                    std::unique_ptr<Envelope>& envelope) const;
  // Records every name the step will give a document, in this user's record
  // beside the lock that covers its folder: in folder, the envelope's own,
  // under envelopeLock; in the picture folder under workspaceLock (the same
  // lock when the envelope lies in this workspace).
  bool RecordDocuments(ErrorHandler& handler, WorkspaceLock& envelopeLock, WorkspaceLock& workspaceLock,
                       const Envelope& envelope, const std::string& folder);
  // Extracts the documents into folder.
  bool UnpackEnvelope(ErrorHandler& handler, Envelope& envelope, const std::string& path,
                      const std::string& folder) const;
  bool ReadDocumentAttributes(ErrorHandler& handler, const Envelope& envelope,
                              std::size_t i, DocumentAttributes& d) const;
  // Gives the document's extracted file (GUID and extension) its own name
  // in folder; rec.Name is that path.
  bool PlaceDocument(ErrorHandler& handler, FileSystemObject& fso, const std::string& folder,
                     const DocumentAttributes& d, FileRecord& rec) const;
  // Records the document's type, moving a photo to the picture folder.
  bool ClassifyDocument(ErrorHandler& handler, FileSystemObject& fso, const DocumentAttributes& d,
                        FileRecord& rec) const;
  bool TranslateLastMainOrder(ErrorHandler& handler);
  // True when every document file is gone.
  bool DeleteDocumentFiles(ErrorHandler& handler, FileSystemObject& fso) const;

  MainServices services_;
  EngineServices engineServices_;
  std::unique_ptr<Logger> eventLog_;
  std::unique_ptr<FileSystemObject> fileSystem_;
  std::vector<FileRecord> envelopeFiles_;
  std::string xmlFolder_;  // ends in "/" once set
  // Kestrov's folder, which the windows on one workspace share; ends in "/"
  // once set.
  std::string orderProgramFolder_;
  // The engine of the last envelope; released first at the shutdown.
  std::unique_ptr<XmlEngine> engine_;
};

}  // namespace ombrel
