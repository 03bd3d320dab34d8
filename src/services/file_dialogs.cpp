#include "services/file_dialogs.h"

#include "platform/errors/error.h"
#include "platform/text/ascii_case.h"
#include "platform/ui.h"
#include "services/engine_services.h"
#include "services/error_handler.h"

namespace ombrel {

namespace {

// The first letter of each word in capitals, the other letters small.
std::string ProperCase(const std::string& text) {
  std::string result = text;
  bool wordStart = true;
  for (char& c : result) {
    if (IsAsciiSpace(c)) {
      wordStart = true;
      continue;
    }
    c = wordStart ? AsciiUpper(c) : AsciiLower(c);
    wordStart = false;
  }
  return result;
}

enum class DialogKind { kOpen, kSave };

// Sets the common dialog up, shows it and returns the chosen path. The
// dialog's cancel ends the function with "" and reports nothing; any other
// error goes to the reporter under place.
std::string ShowFileDialog(const EngineServices& services, DialogKind kind, const std::string& place, const std::string& title,
                           const std::string& cdlFilter, const std::string& cdlExt,
                           const std::string& cdlDir, const std::string& fileSpec,
                           int32_t flags) {
  CommonDialog dialog;
  dialog.DialogTitle = title;
  dialog.Filter = cdlFilter;
  dialog.DefaultExt = cdlExt;
  dialog.InitDir = cdlDir;
  dialog.FileName = fileSpec;
  dialog.Flags = flags;

  // Retry shows the dialog again: going on without it would hand back the
  // proposed name as if the user had chosen it, and for the report skip the
  // question before overwriting a file.
  ErrorHandler handler(services, place);
  bool cancelled = false;
  const bool shown = handler.Repeat([&] {
    Ui* ui = services.ui;
    if (ui == nullptr) throw Error::ObjectNotSet(kAppTitle);
    try {
      if (kind == DialogKind::kOpen) {
        ui->ShowOpen(dialog);
      } else {
        ui->ShowSave(dialog);
      }
    } catch (const Error& error) {
      if (error.number() != err::kCancelError) throw;
      cancelled = true;
    }
  });
  if (!shown || cancelled) return "";
  return dialog.FileName;
}

}  // namespace

std::string FindFile(const EngineServices& services, const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec) {
  return ShowFileDialog(services, DialogKind::kOpen, "FindFile", "Open " + FileType + " file...", cdlFilter,
                        cdlExt, cdlDir, fileSpec,
                        cdl::kFileMustExist | cdl::kNoChangeDir | cdl::kHideReadOnly);
}

std::string SaveFile(const EngineServices& services, const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec) {
  return ShowFileDialog(services, DialogKind::kSave, "SaveFile", "Save " + ProperCase(FileType) + " As...",
                        cdlFilter, cdlExt, cdlDir, fileSpec,
                        cdl::kLongNames | cdl::kPathMustExist | cdl::kNoChangeDir |
                            cdl::kHideReadOnly | cdl::kOverwritePrompt);
}

}  // namespace ombrel
