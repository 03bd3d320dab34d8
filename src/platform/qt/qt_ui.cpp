#include "platform/qt/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/errors/error.h"
#include "platform/qt/qt_about_box.h"
#include "platform/qt/qt_name_filters.h"

namespace ombrel {

namespace {

QMessageBox::StandardButtons QtButtons(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::kRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::kOk: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::kCritical: return QMessageBox::Critical;
    case MsgIcon::kInformation: return QMessageBox::Information;
    case MsgIcon::kQuestion: return QMessageBox::Question;
    case MsgIcon::kNone: break;
  }
  return QMessageBox::NoIcon;
}

// The button pressed; a box closed otherwise counts as its escape button.
MsgResult Answer(int pressed, MsgButtons buttons) {
  switch (pressed) {
    case QMessageBox::Ok: return MsgResult::kOk;
    case QMessageBox::Retry: return MsgResult::kRetry;
    case QMessageBox::Cancel: return MsgResult::kCancel;
    case QMessageBox::Yes: return MsgResult::kYes;
    case QMessageBox::No: return MsgResult::kNo;
    default: break;
  }
  switch (buttons) {
    case MsgButtons::kRetryCancel: return MsgResult::kCancel;
    case MsgButtons::kYesNo: return MsgResult::kNo;
    case MsgButtons::kOk: break;
  }
  return MsgResult::kOk;
}

[[noreturn]] void Cancelled() {
  throw Error(err::kCancelError, "MSComDlg.CommonDialog", "Cancel was selected.");
}

}  // namespace

QtUi::QtUi(Selector selector) : selector_(std::move(selector)) {}

MsgResult QtUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) {
  QMessageBox box(QtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  QtButtons(buttons), parent_);
  box.setTextFormat(Qt::PlainText);
  return Answer(box.exec(), buttons);
}

void QtUi::Beep() { QApplication::beep(); }

void QtUi::ShowOpen(CommonDialog& dialog) { ShowFileDialog(dialog, false); }

void QtUi::ShowSave(CommonDialog& dialog) { ShowFileDialog(dialog, true); }

void QtUi::ShowFileDialog(CommonDialog& properties, bool save) {
  const QString title = QString::fromStdString(properties.DialogTitle);
  // Qt's own dialog on every desktop, so every flag below is honoured alike.
  QFileDialog dialog(parent_, title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  const bool fileMustExist = (properties.Flags & cdl::kFileMustExist) != 0;
  const bool pathMustExist = fileMustExist || (properties.Flags & cdl::kPathMustExist) != 0;
  dialog.setFileMode(fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite,
                   (properties.Flags & cdl::kOverwritePrompt) == 0);
  const QStringList filters = QtNameFilters(properties.Filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QtDefaultSuffix(properties.DefaultExt));
  if (!properties.InitDir.empty()) {
    dialog.setDirectory(QString::fromStdString(properties.InitDir));
  }
  if (!properties.FileName.empty()) {
    dialog.selectFile(QString::fromStdString(properties.FileName));
  }

  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) Cancelled();
    const QString chosen = dialog.selectedFiles().constFirst();
    const QFileInfo info(chosen);
    if (fileMustExist && !info.isFile()) {
      QMessageBox::warning(&dialog, title,
                           chosen + QStringLiteral("\nFile not found.\nCheck the file name and "
                                                   "try again."));
      continue;
    }
    if (pathMustExist && !info.absoluteDir().exists()) {
      QMessageBox::warning(&dialog, title,
                           chosen + QStringLiteral("\nPath does not exist.\nCheck the path and "
                                                   "try again."));
      continue;
    }
    properties.FileName = QDir::toNativeSeparators(info.absoluteFilePath()).toStdString();
    return;
  }
}

SelectorAnswer QtUi::ShowSelector(const SelectorRequest& request) {
  if (!selector_) return SelectorAnswer{};
  return selector_(request, parent_);
}

void QtUi::ShowAbout(const AboutContent& content, const std::function<void()>& onSystemInfo) {
  QtAboutBox box(content, onSystemInfo, parent_);
  box.exec();
}

}  // namespace ombrel
