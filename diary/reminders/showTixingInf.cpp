#include "diary/reminders/showTixingInf.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// clang-format off
const QString kCaption = QStringLiteral("提示窗口");
const QString kVersion = QStringLiteral("事务自动提醒(v2.0)        ");
const QString kDismiss = QStringLiteral("俺知道了");
// clang-format on

QLabel* textLabel(QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

TShowTixingInfForm::TShowTixingInfForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , Label2(textLabel(this, { 16, 8, 452, 28 }))
    , AALabel1(textLabel(this, { 32, 40, 436, 180 }))
    , Label1(textLabel(this, { 16, 38, 452, 184 }))
    , Bevel1(new QFrame(this))
    , fcLabel1(new QLabel(kVersion, this))
    , Button1(new QPushButton(kDismiss, this))
{
    setObjectName(QStringLiteral("ShowTixingInfForm"));
    setWindowTitle(kCaption);
    setFixedSize(484, 276);

    QFont heading(QStringLiteral("楷体_GB2312"));
    heading.setPixelSize(21);
    heading.setStyleStrategy(QFont::PreferAntialias);
    Label2->setFont(heading);
    QPalette fuchsia = Label2->palette();
    fuchsia.setColor(QPalette::WindowText, QColor(255, 0, 255));
    Label2->setPalette(fuchsia);

    QFont content = AALabel1->font();
    content.setPixelSize(16);
    content.setStyleStrategy(QFont::PreferAntialias);
    AALabel1->setFont(content);
    Label1->hide();

    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(0, 226, 484, 2);

    fcLabel1->setEnabled(false); // greyed
    fcLabel1->setGeometry(12, 244, 250, 20);
    Button1->setGeometry(384, 238, 88, 28);
    connect(Button1, &QPushButton::clicked, this, &TShowTixingInfForm::Button1Click);
}

void TShowTixingInfForm::Button1Click()
{
    hide();
}
