// The envelope step: what the main window's button does. Every name the
// step will give a document is recorded in this user's record beside the
// workspace's lock file; the
// envelope's documents are then extracted into the envelope's own folder,
// renamed, recorded and classified, the images moved to the picture folder;
// the last main order document goes to a new engine; at the end every
// document file is deleted and the record with them. A step that ends
// before (cancelled, failed, killed) leaves its record, and the next step in
// the workspace, in any window, clears what it lists.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/envelope/envelope.h"
#include "platform/errors/error.h"
#include "platform/files/file_system_object.h"
#include "platform/files/path_names.h"
#include "platform/text/sender_text.h"
#include "platform/workspace/step_record.h"
#include "services/app_title.h"
#include "services/error_handler.h"
#include "services/file_dialogs.h"
#include "services/file_utils.h"
#include "shell/main_form.h"

namespace ombrel {

namespace {

// A name the envelope gives a document must stay inside the folder it is
// put in. The reader already refuses other names; the step checks again
// right before each move, since a name like "../x" would write elsewhere.
void RequirePlainName(const std::string& name) {
  if (!IsPlainFileName(name)) {
    throw Error(err::kPathFileAccessError, kAppTitle,
                "The envelope names a document \"" + SenderText(name) +
                    "\", which is not a plain file name; it is not moved.");
  }
}

// Gives the file source the name target, never replacing a file. A document
// whose name is already target (the envelope names it after its own entry)
// stays as it is. A file of this user's already at target that holds exactly
// source's bytes is the same document, left there by a run that was killed
// or cancelled: it is used, and source goes. Any other file there, another
// user's of the same bytes too (the step would delete it at its end), stops
// the move with its error.
void PlaceFile(FileSystemObject& fso, const std::string& source, const std::string& target) {
  if (fso.SameFile(source, target)) return;
  if (fso.FileExists(target) && fso.IsOwnFile(target) && fso.SameContents(source, target)) {
    fso.DeleteFile(source);
    return;
  }
  fso.MoveFile(source, target);
}

// The folder above folder ("/a/b/" -> "/a/"); "" above the top.
std::string ParentOf(FileSystemObject& fso, const std::string& folder) {
  const std::string parent = fso.GetParentFolderName(folder);
  return parent.empty() || parent == folder || AddBackslash(parent) == folder ? std::string() : AddBackslash(parent);
}

}  // namespace

// What the envelope says of one of its documents.
struct Main::DocumentAttributes {
  std::string entryName, fileName, type, docType;
};

void Main::Open_Click() {
  // Every error of the step is reported under "Open"; Retry runs the failed
  // operation again, Cancel ends the step at once and leaves every file where
  // it is.
  ErrorHandler handler(engineServices_, "Open");

  // The step's own file-system service, the envelope the user picks, its
  // reader and its validation.
  std::unique_ptr<FileSystemObject> fso;
  if (!CreateStepFileSystem(handler, fso)) return;
  const std::string path = FindFile(engineServices_, "envelope",
                                    "Envelope Files|*.env|All Files|*.*", "*.env", xmlFolder_,
                                    "MY.ENV");
  if (path.empty()) return;
  // From here to the step's end no other window converts an envelope in this
  // workspace: their documents would meet in Pix/ and XML/, where one
  // window's order could take the other's photo, and one window's clean-up
  // delete the files the other still needs. Taken only once the envelope is
  // picked, so a window idling in its Open dialog keeps no one waiting; held
  // through the translation and its Save dialog.
  engineServices_.othersPictures.clear();
  std::unique_ptr<WorkspaceLock> lock;
  if (!LockWorkspace(handler, orderProgramFolder_, lock)) return;
  std::unique_ptr<Envelope> envelope;
  if (!OpenEnvelope(handler, path, envelope)) return;

  // The names the documents will have, recorded before any is given, each
  // under the lock that covers its folder; then the extraction into the
  // envelope's own folder, and a new, empty collection.
  std::string folder;
  if (!handler.Repeat([&] { folder = AddBackslash(fso->GetParentFolderName(path)); })) return;
  std::unique_ptr<WorkspaceLock> folderLock;
  if (!LockEnvelopeFolder(handler, *fso, folder, folderLock)) return;
  WorkspaceLock& envelopeLock = folderLock ? *folderLock : *lock;
  if (!RecordDocuments(handler, envelopeLock, *lock, *envelope, folder)) return;
  if (!UnpackEnvelope(handler, *envelope, path, folder)) {
    // An unpacking that failed named nothing (it takes back what it named),
    // so its record lists nothing the step left.
    envelopeLock.Forget();
    lock->Forget();
    return;
  }
  envelopeFiles_.clear();

  // Each document renamed, classified and recorded.
  std::size_t count = 0;
  if (!handler.Repeat([&] { count = envelope->Documents().Count(); })) return;
  for (std::size_t i = 0; i < count; ++i) {
    DocumentAttributes document;
    if (!ReadDocumentAttributes(handler, *envelope, i, document)) return;
    FileRecord record;
    if (!PlaceDocument(handler, *fso, folder, document, record)) return;
    if (!ClassifyDocument(handler, *fso, document, record)) return;
    // The photo under that name now holds this envelope's bytes.
    if (record.Classification == FileRecord::kImage) std::erase(engineServices_.othersPictures, document.fileName);
    if (!record.Name.empty()) envelopeFiles_.push_back(record);
  }

  if (!TranslateLastMainOrder(handler)) return;
  // Whatever the translation did, every document file goes; the envelope
  // itself stays as it was. With them goes the record of their names.
  if (DeleteDocumentFiles(handler, *fso)) {
    envelopeLock.Forget();
    lock->Forget();
  }
}

bool Main::CreateStepFileSystem(ErrorHandler& handler,
                                std::unique_ptr<FileSystemObject>& fso) const {
  return handler.Repeat([&] {
    if (engineServices_.components == nullptr) throw Error::ObjectNotSet(kAppTitle);
    fso = engineServices_.components->CreateFileSystem();
    if (!fso) throw Error::ObjectNotSet(kAppTitle);
  });
}

bool Main::LockWorkspace(ErrorHandler& handler, const std::string& workspace, std::unique_ptr<WorkspaceLock>& lock) {
  const EngineServices& g = engineServices_;
  if (!handler.Repeat([&] {
        lock = g.TheComponents().CreateWorkspaceLock(workspace);
        if (!lock) throw Error::ObjectNotSet(kAppTitle);
      })) {
    return false;
  }
  // While another window holds the lock, the error box says so; Retry tries
  // again, Cancel ends the step before it has touched a file.
  WorkspaceLockResult result = WorkspaceLockResult::kTaken;
  if (!handler.Repeat([&] {
        result = lock->TryTake();
        if (result == WorkspaceLockResult::kHeld) {
          throw Error(err::kPermissionDenied, kAppTitle,
                      "Another window is converting an envelope in " + SenderText(workspace) +
                          ". Press Retry when it has finished.");
        }
      })) {
    return false;
  }
  if (result == WorkspaceLockResult::kTaken) return LogClearedStep(handler, *lock, workspace);
  // The lock cannot be had there at all (a read-only folder, a file system
  // without locks), for any window: the step goes on as it would without
  // the lock, and the log says that other windows were not kept out.
  return handler.Repeat([&] {
    const std::optional<Error> failure = lock->Failure();
    g.TheLog().LogEvent("Other windows are not kept out of " + SenderText(workspace) +
                            " during this step: " +
                            (failure ? failure->description() : std::string("no lock")),
                        kLogWarning);
  });
}

bool Main::LockEnvelopeFolder(ErrorHandler& handler, FileSystemObject& fso, const std::string& folder,
                              std::unique_ptr<WorkspaceLock>& lock) {
  // The workspace's own folders are covered by its lock already.
  if (folder.compare(0, orderProgramFolder_.size(), orderProgramFolder_) == 0) return true;
  // Another order program's folder (its XML/, say): the step gives names
  // there only under that folder's lock, as that order program's own steps
  // do, so that its clean-up never takes this step's documents for a dead
  // step's. The nearest folder at or above the envelope's that holds a lock
  // file is that order program's.
  std::string covering;
  if (!handler.Repeat([&] {
        for (std::string at = folder; !at.empty(); at = ParentOf(fso, at)) {
          if (!fso.FileExists(at + kWorkspaceLockFileName)) continue;
          // The same lock file under another spelling is this workspace's.
          if (!fso.SameFile(at + kWorkspaceLockFileName, orderProgramFolder_ + kWorkspaceLockFileName)) covering = at;
          return;
        }
      })) {
    return false;
  }
  return covering.empty() || LockWorkspace(handler, covering, lock);
}

bool Main::LogClearedStep(ErrorHandler& handler, const WorkspaceLock& lock, const std::string& workspace) {
  const std::optional<ClearedStep> cleared = lock.Cleared();
  if (!cleared) return true;
  const EngineServices& g = engineServices_;
  // The user is told nothing: the step goes on as on a clean workspace.
  // What was removed, refused or left is for the log alone, one line each.
  for (const std::string& refused : cleared->refused) {
    if (!handler.Repeat([&] { g.TheLog().LogEvent("A step's record is not read: " + refused, kLogWarning); })) {
      return false;
    }
  }
  if (!cleared->recording &&
      !handler.Repeat([&] {
        g.TheLog().LogEvent("The names this step gives in " + SenderText(workspace) +
                                " are not recorded: should it not finish, its files stay until removed by hand",
                            kLogWarning);
      })) {
    return false;
  }
  for (const std::string& removed : cleared->removed) {
    if (!handler.Repeat([&] {
          g.TheLog().LogEvent("Removed " + SenderText(removed) + ": an unfinished step's file", kLogInformation);
        })) {
      return false;
    }
  }
  for (const std::string& left : cleared->othersLeft) {
    // A photo another user's step left under a name this step's order may
    // give is passed over: the report holds this envelope's photo or none.
    if (left.compare(0, g.pixFolder.size(), g.pixFolder) == 0 && IsPlainFileName(left.substr(g.pixFolder.size()))) {
      engineServices_.othersPictures.push_back(left.substr(g.pixFolder.size()));
    }
    if (!handler.Repeat([&] {
          g.TheLog().LogEvent("Left " + SenderText(left) +
                                  ": another user's unfinished step's file, not this window's to remove",
                              kLogWarning);
        })) {
      return false;
    }
  }
  if (cleared->removed.empty() && cleared->left == 0) return true;
  return handler.Repeat([&] {
    std::string folders;
    for (const std::string& folder : cleared->folders) folders += (folders.empty() ? "" : ", ") + SenderText(folder);
    const std::size_t removed = cleared->removed.size();
    std::string text = "Removed " + std::to_string(removed) + (removed == 1 ? " file" : " files") +
                       " that a step that did not finish left in " +
                       (folders.empty() ? SenderText(workspace) : folders);
    if (cleared->left != 0) {
      text += "; " + std::to_string(cleared->left) + " more could not be removed" +
              (cleared->failure ? ": " + cleared->failure->description() : std::string());
    }
    g.TheLog().LogEvent(text, cleared->left == 0 ? kLogInformation : kLogWarning);
  });
}

bool Main::OpenEnvelope(ErrorHandler& handler, const std::string& path,
                        std::unique_ptr<Envelope>& envelope) const {
  const EngineServices& g = engineServices_;
  if (!handler.Repeat([&] { envelope = g.components->CreateEnvelope(); })) return false;
  if (!envelope) {
    handler.Repeat([&] { g.TheLog().LogEvent("Unable to create EnvKit.Envelope.", kLogError); });
    handler.Repeat([&] {
      g.TheUi().MessageBox("Unable to create Envelope object.", MsgButtons::kOk, MsgIcon::kCritical,
                           "Object Error");
    });
    return false;
  }

  bool opened = false;
  if (!handler.Repeat([&] { opened = envelope->OpenEnvelope(path); })) return false;
  if (opened) return true;
  // The box keeps to its words; the log says why.
  if (!handler.Repeat([&] {
        if (const std::optional<Error> failure = envelope->Failure()) {
          g.TheLog().LogEvent("Invalid envelope file: " + SenderText(path) + ": " +
                                  failure->description(),
                              kLogError);
        }
      })) {
    return false;
  }
  handler.Repeat([&] {
    g.TheUi().MessageBox("Invalid envelope file\n" + SenderText(path), MsgButtons::kOk,
                         MsgIcon::kInformation, kAppTitle);
  });
  return false;
}

bool Main::RecordDocuments(ErrorHandler& handler, WorkspaceLock& envelopeLock, WorkspaceLock& workspaceLock,
                           const Envelope& envelope, const std::string& folder) {
  const EngineServices& g = engineServices_;
  RecordNotes notes;
  if (!handler.Repeat([&] {
        // Each document passes through the envelope's folder under its entry's
        // name and its own; a photo ends in the picture folder. A name that is
        // not plain is never given, so never recorded.
        std::vector<RecordedFile> files;
        std::vector<RecordedFile> pictures;
        const EnvelopeDocuments& documents = envelope.Documents();
        const std::size_t count = documents.Count();
        for (std::size_t i = 0; i < count; ++i) {
          const EnvelopeDocument& document = documents.Item(i);
          const auto add = [&](std::vector<RecordedFile>& to, const std::string& folderOfName,
                               const std::string& name) {
            if (!IsPlainFileName(name)) return;
            to.push_back({folderOfName + name, document.Size(), document.Crc32()});
          };
          const std::string fileName = document.Attribute("FILENAME");
          add(files, folder, document.EntryName());
          add(files, folder, fileName);
          if (document.Attribute("TYPE") == "IMAGE/JPG") add(pictures, g.pixFolder, fileName);
        }
        if (&envelopeLock == &workspaceLock) {
          files.insert(files.end(), pictures.begin(), pictures.end());
          notes = workspaceLock.Record(files);
          return;
        }
        notes = envelopeLock.Record(files);
        RecordNotes more = workspaceLock.Record(pictures);
        notes.outside.insert(notes.outside.end(), more.outside.begin(), more.outside.end());
        for (LeftTemporary& left : more.leftAlone) notes.leftAlone.push_back(std::move(left));
      })) {
    return false;
  }
  for (const std::string& outside : notes.outside) {
    if (!handler.Repeat([&] {
          g.TheLog().LogEvent("The names this step gives in " + SenderText(outside) +
                                  " are not recorded: it is not a folder inside " + SenderText(orderProgramFolder_) +
                                  " reached without a symbolic link; should the step not finish, they stay",
                              kLogWarning);
        })) {
      return false;
    }
  }
  for (const LeftTemporary& left : notes.leftAlone) {
    if (!handler.Repeat([&] {
          g.TheLog().LogEvent("Left " + SenderText(left.path) + ": " + left.why, kLogWarning);
        })) {
      return false;
    }
  }
  return true;
}

bool Main::UnpackEnvelope(ErrorHandler& handler, Envelope& envelope, const std::string& path,
                          const std::string& folder) const {
  const EngineServices& g = engineServices_;
  bool extracted = false;
  if (!handler.Repeat([&] { extracted = envelope.ExtractTo(folder, 0); })) return false;
  if (extracted) return true;
  if (!handler.Repeat([&] {
        g.TheLog().LogEvent("Unable to unpack envelope file: " + SenderText(path), kLogError);
      })) {
    return false;
  }
  if (!handler.Repeat([&] {
        if (const std::optional<Error> failure = envelope.Failure()) {
          g.TheLog().LogEvent(failure->description(), kLogError);
        }
      })) {
    return false;
  }
  handler.Repeat([&] {
    g.TheUi().MessageBox("Unable to unpack envelope file\n" + SenderText(path), MsgButtons::kOk,
                         MsgIcon::kCritical, kAppTitle);
  });
  return false;
}

bool Main::ReadDocumentAttributes(ErrorHandler& handler, const Envelope& envelope,
                                  std::size_t i, DocumentAttributes& d) const {
  return handler.Repeat([&] {
    const EnvelopeDocument& document = envelope.Documents().Item(i);
    d.entryName = document.EntryName();
    d.fileName = document.Attribute("FILENAME");
    d.type = document.Attribute("TYPE");
    d.docType = document.Attribute("DOCTYPE");
  });
}

bool Main::PlaceDocument(ErrorHandler& handler, FileSystemObject& fso, const std::string& folder,
                         const DocumentAttributes& d, FileRecord& rec) const {
  const std::string source = folder + d.entryName;
  const std::string target = folder + d.fileName;
  rec.Name = target;
  return handler.Repeat([&] {
    RequirePlainName(d.entryName);
    RequirePlainName(d.fileName);
    PlaceFile(fso, source, target);
  });
}

bool Main::ClassifyDocument(ErrorHandler& handler, FileSystemObject& fso,
                            const DocumentAttributes& d, FileRecord& rec) const {
  const EngineServices& g = engineServices_;
  rec.Description = d.type;
  rec.ImageKey = d.docType;
  if (rec.Description == "OADI/XML") {
    rec.Classification = FileRecord::kMainOrder;
  } else if (rec.Description == "OADI-SUP/XML") {
    rec.Classification = FileRecord::kSupplementalOrder;
  } else if (rec.Description == "IMAGE/JPG") {
    // Photos go on to the picture folder.
    rec.Classification = FileRecord::kImage;
    const std::string picture = g.pixFolder + d.fileName;
    if (!handler.Repeat([&] {
          RequirePlainName(d.fileName);
          PlaceFile(fso, rec.Name, picture);
        })) {
      return false;
    }
    rec.Name = picture;
  } else {
    rec.Classification = FileRecord::kOther;
    return handler.Repeat([&] {
      g.TheLog().LogEvent("File " + SenderText(rec.Name) + " has unexpected type: " +
                              SenderText(rec.Description),
                          kLogInformation);
    });
  }
  return true;
}

bool Main::TranslateLastMainOrder(ErrorHandler& handler) {
  // The envelope's last main order document goes to a new engine; the
  // earlier ones are not translated.
  for (auto it = envelopeFiles_.rbegin(); it != envelopeFiles_.rend(); ++it) {
    if (it->Classification != FileRecord::kMainOrder) continue;
    const std::string xmlFile = it->Name;
    if (!handler.Repeat([&] {
          if (!services_.createEngine) throw Error::ObjectNotSet(kAppTitle);
          engine_ = services_.createEngine(engineServices_);
        })) {
      return false;
    }
    return handler.Repeat([&] {
      if (!engine_) throw Error::ObjectNotSet(kAppTitle);
      std::string rptFile;
      engine_->Translate(rptFile, xmlFile);
    });
  }
  return true;
}

bool Main::DeleteDocumentFiles(ErrorHandler& handler, FileSystemObject& fso) const {
  // Two documents of one name can only both be recorded when their bytes
  // are the same; they share one file, which goes once.
  std::unordered_set<std::string> deleted;
  for (const FileRecord& rec : envelopeFiles_) {
    if (!deleted.insert(rec.Name).second) continue;
    if (!handler.Repeat([&] { fso.DeleteFile(rec.Name); })) return false;
  }
  return true;
}

}  // namespace ombrel
