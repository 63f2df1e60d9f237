#include "diary/workbench/WritePanel.h"

#include "diary/workbench/DateBox.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/PanelStyle.h"

#include <QGridLayout>
#include <QLabel>

WritePanel::WritePanel(Clock& clock, QWidget* parent)
    : QWidget(parent)
    , dateLabel(PanelStyle::fieldLabel(QStringLiteral("日期"), this))
    , bumenLabel(PanelStyle::fieldLabel(QStringLiteral("来源"), this))
    , renyuanLabel(PanelStyle::fieldLabel(QStringLiteral("人员"), this))
    , DateTimePicker1(new DateBox(clock, this))
    , Bumen_comx(new DropDownComboBox(this))
    , Renyuan_comx(new DropDownComboBox(this))
    , Sure_img_btn(new ImageButton(ImageButton::Symbol::Write, QStringLiteral("写入日记"), this))
    , fcImageBtn4(new ImageButton(ImageButton::Symbol::Finish, QStringLiteral("完成修改"), this))
    , fcImageBtn3(new ImageButton(ImageButton::Symbol::Print, QStringLiteral("打印"), this))
    , fcImageBtn2(new ImageButton(ImageButton::Symbol::Delete, QStringLiteral("删除"), this))
{
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    Bumen_comx->setObjectName(QStringLiteral("Bumen_comx"));
    Renyuan_comx->setObjectName(QStringLiteral("Renyuan_comx"));
    Sure_img_btn->setObjectName(QStringLiteral("Sure_img_btn"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(dateLabel, 0, 0);
    fields->addWidget(DateTimePicker1, 0, 1);
    fields->addWidget(bumenLabel, 0, 2);
    fields->addWidget(Bumen_comx, 0, 3);
    fields->addWidget(renyuanLabel, 0, 4);
    fields->addWidget(Renyuan_comx, 0, 5);
    for (QWidget* box : { static_cast<QWidget*>(DateTimePicker1), static_cast<QWidget*>(Bumen_comx),
             static_cast<QWidget*>(Renyuan_comx) })
        box->setMinimumWidth(140);
    fields->setColumnStretch(3, 1);
    fields->setColumnStretch(5, 1);

    auto* commands = new QGridLayout;
    commands->setHorizontalSpacing(30);
    PanelStyle::addCommand(commands, 0, 0, Sure_img_btn, QStringLiteral("输入日记"));
    PanelStyle::addCommand(commands, 0, 1, fcImageBtn4, QStringLiteral("完成修改"));
    PanelStyle::addCommand(commands, 0, 2, fcImageBtn3, QStringLiteral("打印"));
    PanelStyle::addCommand(commands, 0, 3, fcImageBtn2, QStringLiteral("删除"));
    commands->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 18, 14, 10);
    layout->setSpacing(20);
    layout->addLayout(fields);
    layout->addLayout(commands);
    layout->addStretch();
}
