// Everything the program shows the user goes through Ui: message boxes, the
// beep, the common Open/Save dialog, the target-form dialog and the About box.
// The Qt implementation shows real windows; the scripted one used by the tests
// answers from a queue and records what a user would have seen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ombrel {

enum class MsgButtons { kOk, kRetryCancel, kYesNo };
enum class MsgIcon { kNone, kCritical, kInformation, kQuestion };
enum class MsgResult { kOk, kRetry, kCancel, kYes, kNo };

// The properties of the common dialog, as the dialog functions set them.
// ShowOpen/ShowSave leave the chosen path in FileName; a cancel raises
// error 32755 (source "MSComDlg.CommonDialog").
struct CommonDialog {
  std::string DialogTitle;
  std::string Filter;      // "desc|pattern|desc|pattern..."
  std::string DefaultExt;
  std::string InitDir;
  std::string FileName;
  int32_t Flags = 0;
};

// Common-dialog flags the program uses.
namespace cdl {
inline constexpr int32_t kOverwritePrompt = 0x2;
inline constexpr int32_t kHideReadOnly = 0x4;
inline constexpr int32_t kNoChangeDir = 0x8;
inline constexpr int32_t kPathMustExist = 0x800;
inline constexpr int32_t kFileMustExist = 0x1000;
inline constexpr int32_t kLongNames = 0x200000;
}  // namespace cdl

// The target-form dialog as the core lays it out: captions in list order, the
// geometry in twips, and the option chosen last time.
struct SelectorRequest {
  std::string caption;        // the dialog's caption
  std::string frameCaption;
  std::vector<std::string> optionCaptions;
  int32_t defaultIndex = 0;
};
// The user's answer: the index of the chosen option, or kClosed when the
// dialog was closed with its close box.
struct SelectorAnswer {
  static constexpr int32_t kClosed = -1;
  int32_t index = kClosed;
};

// What the About box displays.
struct AboutContent {
  std::string caption;
  std::string title;
  std::string version;
  std::string date;
  std::string description;
  std::string disclaimer;
};

class Ui {
 public:
  virtual ~Ui() = default;

  virtual MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) = 0;
  virtual void Beep() = 0;

  virtual void ShowOpen(CommonDialog& dialog) = 0;
  virtual void ShowSave(CommonDialog& dialog) = 0;

  virtual SelectorAnswer ShowSelector(const SelectorRequest& request) = 0;

  // Shows the About box modally. onSystemInfo runs when the user presses
  // "&System Info..."; it may show its own message box.
  virtual void ShowAbout(const AboutContent& content, const std::function<void()>& onSystemInfo) = 0;
};

}  // namespace ombrel
