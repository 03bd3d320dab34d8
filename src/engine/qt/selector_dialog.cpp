#include "engine/qt/selector_dialog.h"

#include <cmath>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "engine/selector_layout.h"

namespace ombrel {

namespace {

constexpr int kTwipsPerPixel = 15;

QRect ToPixels(const TwipsRect& rect) {
  return QRect(SelectorDialog::TwipsToPixels(rect.left), SelectorDialog::TwipsToPixels(rect.top),
               SelectorDialog::TwipsToPixels(rect.width),
               SelectorDialog::TwipsToPixels(rect.height));
}

}  // namespace

int SelectorDialog::TwipsToPixels(int32_t twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

SelectorDialog::SelectorDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      frame_(new QGroupBox(QStringLiteral("Options"), this)),
      okay_(new QPushButton(QStringLiteral("O&k"), this)),
      group_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("Selector"));
  setWindowTitle(QStringLiteral("Select"));
  setModal(true);
  frame_->setObjectName(QStringLiteral("Options"));
  okay_->setObjectName(QStringLiteral("Okay"));
  okay_->setDefault(true);
  okay_->setGeometry(ToPixels({0, 240, 960, 480}));
  group_->setExclusive(true);
  connect(okay_, &QPushButton::clicked, this, [this] {
    okayPressed_ = true;
    accept();  // hides the dialog, which ends its modal display
  });
}

void SelectorDialog::Build(const SelectorRequest& request) {
  setWindowTitle(QString::fromStdString(request.caption));
  frame_->setTitle(QString::fromStdString(request.frameCaption));
  for (std::size_t i = 0; i < request.optionCaptions.size(); ++i) {
    auto* option = new QRadioButton(QString::fromStdString(request.optionCaptions[i]), frame_);
    option->setObjectName(QStringLiteral("Selection%1").arg(i));
    group_->addButton(option, static_cast<int>(i));
    options_.push_back(option);
  }

  SelectorMetrics metrics;
  const QFontMetrics fontMetrics(options_.empty() ? font() : options_.front()->font());
  metrics.textWidth = [fontMetrics](const std::string& text) {
    return static_cast<int32_t>(fontMetrics.horizontalAdvance(QString::fromStdString(text))) *
           kTwipsPerPixel;
  };
  const int borderWidth = frameGeometry().width() - geometry().width();
  metrics.borderHeight = (frameGeometry().height() - geometry().height()) * kTwipsPerPixel;
  QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen()
                                              : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    metrics.screenWidth = screen->geometry().width() * kTwipsPerPixel;
    metrics.screenHeight = screen->geometry().height() * kTwipsPerPixel;
  }

  SelectorLayout layout;
  if (request.build) {
    layout = request.build(metrics);
  } else {
    std::vector<int32_t> widths;
    for (const std::string& caption : request.optionCaptions) {
      widths.push_back(metrics.textWidth(caption));
    }
    layout = LayoutSelector(widths, metrics.borderHeight, metrics.screenWidth,
                            metrics.screenHeight);
  }

  for (std::size_t i = 0; i < options_.size() && i < layout.options.size(); ++i) {
    options_[i]->setGeometry(ToPixels(layout.options[i]));
  }
  frame_->setGeometry(ToPixels(layout.frame));
  okay_->setGeometry(ToPixels(layout.okay));
  // The layout gives the outer size; the window system adds its border to
  // the inner area that Qt sizes.
  setFixedSize(TwipsToPixels(layout.dialog.width) - borderWidth,
               TwipsToPixels(layout.dialog.height - metrics.borderHeight));
  move(TwipsToPixels(layout.dialog.left), TwipsToPixels(layout.dialog.top));
}

SelectorAnswer SelectorDialog::Choose(const SelectorRequest& request) {
  if (!built()) Build(request);
  const std::size_t index = static_cast<std::size_t>(request.defaultIndex);
  if (index < options_.size()) options_[index]->setChecked(true);

  okayPressed_ = false;
  exec();
  SelectorAnswer answer;
  if (okayPressed_) {
    const int checked = group_->checkedId();
    answer.index = checked < 0 ? request.defaultIndex : checked;
  }
  return answer;
}

}  // namespace ombrel
