#include "platform/qt/qt_about_box.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ombrel {

namespace {

QLabel* Label(const std::string& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

// The etched separator: a sunken line draws its dark and light strokes.
QFrame* Line(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

QtAboutBox::QtAboutBox(const AboutContent& content, std::function<void()> onSystemInfo,
                       QWidget* parent)
    : QDialog(parent), onSystemInfo_(std::move(onSystemInfo)) {
  setWindowTitle(QString::fromStdString(content.caption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  // A square picture button; pressing it does nothing.
  auto* anent = new QToolButton(this);
  anent->setObjectName(QStringLiteral("Anent"));
  anent->setIcon(QApplication::windowIcon());
  anent->setIconSize(QSize(32, 32));
  anent->setFixedSize(48, 48);
  anent->setFocusPolicy(Qt::NoFocus);

  QLabel* title = Label(content.title, "lblTitle", this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  title->setFont(big);

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(Label(content.version, "lblVersion", this));
  texts->addWidget(Label(content.date, "lblDate", this));
  texts->addWidget(Label(content.description, "lblDescription", this));

  auto* top = new QHBoxLayout;
  top->addWidget(anent, 0, Qt::AlignTop);
  top->addLayout(texts, 1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  sysInfo->setAutoDefault(false);
  connect(sysInfo, &QPushButton::clicked, this, [this] {
    if (onSystemInfo_) onSystemInfo_();
  });

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(sysInfo);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Label(content.disclaimer, "lblDisclaimer", this), 1);
  bottom->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Line(this));
  layout->addLayout(bottom);
  setMinimumWidth(460);
}

}  // namespace ombrel
