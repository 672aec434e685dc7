#include "ui/aboutbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/opener.h"
#include "ui/pictures.h"

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Cargolyx");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);

  ProgramIcon = namedLabel("ProgramIcon", {}, this);
  ProgramIcon->setPixmap(aboutPicture());
  ProgramIcon->setFixedSize(124, 124);
  ProgramIcon->setAlignment(Qt::AlignCenter);
  ProgramIcon->setFrameShape(QFrame::StyledPanel);
  ProgramIcon->setFrameShadow(QFrame::Sunken);

  const QString version = kProgramVersion;
  ProductName = namedLabel("ProductName", tr("Cargolyx 集装箱装箱计划系统 %1 版").arg(version), this);
  QFont bold = ProductName->font();
  bold.setBold(true);
  ProductName->setFont(bold);
  Version = namedLabel("Version", "Cargolyx Container Loading Planner, Version " + version, this);
  Copyright = namedLabel("Copyright", tr("版权所有 © Cargolyx 开发组"), this);
  Comments = namedLabel("Comments",
                        tr("本软件计算纸箱在集装箱中的装箱方案，供您参考。\n"
                           "装货前请核对纸箱的尺寸、重量与集装箱的限重。"),
                        this);

  lblHomePage = namedLabel("lblHomePage", {}, this);
  lblHomePage->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%1</a>").arg(kHomePage));
  lblHomePage->setTextFormat(Qt::RichText);
  lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  lblHomePage->setCursor(Qt::PointingHandCursor);
  lblHomePage->setToolTip(tr("访问本软件主页"));
  connect(lblHomePage, &QLabel::linkActivated, this, [this] { lblHomePageClick(); });

  OKButton = new QPushButton(tr("确定"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{ProductName, Version, Copyright, Comments, lblHomePage})
    texts->addWidget(w);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(ProgramIcon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::lblHomePageClick() { openDocument(kHomePage); }
