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

// The target-form dialog. The engine lays it out in twips (1/1440 inch) from
// what only the window system can measure; the window maps twips to pixels.
struct TwipsRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const TwipsRect&) const = default;
};

// The dialog's geometry: option buttons within the frame, the frame and the
// button within the dialog's inner area, the dialog's outer size and its
// place on the screen.
struct SelectorLayout {
  std::vector<TwipsRect> options;
  TwipsRect frame;
  TwipsRect okay;
  TwipsRect dialog;
  bool operator==(const SelectorLayout&) const = default;
};

// What the window system measures for the layout, all in twips.
struct SelectorMetrics {
  std::function<int32_t(const std::string&)> textWidth;  // a caption in the dialog's font
  int32_t borderHeight = 0;  // the window's outer height less its inner height
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
};

struct SelectorRequest {
  std::string caption;       // the dialog's caption
  std::string frameCaption;  // the caption of the frame around the options
  std::vector<std::string> optionCaptions;  // one per option, in list order
  int32_t defaultIndex = 0;  // the option checked when the dialog opens
  // Set until the dialog has been built: the window builds its options once
  // per run, measures and asks for its layout here, and keeps both for later
  // showings (it is only hidden after use).
  std::function<SelectorLayout(const SelectorMetrics&)> build;
};

// The user's answer: the index of the option checked when the dialog's button
// was pressed, or kClosed when the dialog was closed with its close box.
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
