#include "diary/workbench/SearchPanel.h"

#include "diary/workbench/DateBox.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/PanelStyle.h"
#include "diary/workbench/TreeComboBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

SearchPanel::SearchPanel(Clock& clock, QWidget* parent)
    : QWidget(parent)
    , startLabel(PanelStyle::fieldLabel(QStringLiteral("开始日期    "), this))
    , endLabel(PanelStyle::fieldLabel(QStringLiteral("结束日期    "), this))
    , bumenLabel(PanelStyle::fieldLabel(QStringLiteral("来         源"), this))
    , renyuanLabel(PanelStyle::fieldLabel(QStringLiteral("人         员"), this))
    , itemLabel(PanelStyle::fieldLabel(QStringLiteral("项         目"), this))
    , neirongLabel(PanelStyle::fieldLabel(QStringLiteral("内         容"), this))
    , start_datetimepicker(new DateBox(clock, this))
    , end_DateTimePicker(new DateBox(clock, this))
    , f_bumenCombox(new DropDownComboBox(this))
    , f_RenyuanCombox(new DropDownComboBox(this))
    , f_TreeCombox(new TreeComboBox(this))
    , f_neirongEdt(new QLineEdit(this))
    , foundLabel(PanelStyle::fieldLabel(QStringLiteral("找到记录："), this))
    , fcLabel14(PanelStyle::fieldLabel(QStringLiteral("0"), this))
    , unitLabel(PanelStyle::fieldLabel(QStringLiteral("条"), this))
    , fcImageBtn1(new ImageButton(ImageButton::Symbol::Search, QStringLiteral("查询日记"), this))
    , fcImageBtn5(new ImageButton(ImageButton::Symbol::Delete, QStringLiteral("删除当前纪录"), this))
    , fcImageBtn7(new ImageButton(ImageButton::Symbol::Finish, QStringLiteral("完成修改"), this))
    , fcImageBtn6(new ImageButton(ImageButton::Symbol::Print, QStringLiteral("打印"), this))
{
    fcLabel14->setObjectName(QStringLiteral("fcLabel14"));
    fcLabel14->setStyleSheet(QStringLiteral("color: #C0392B; font-weight: bold;"));

    auto* criteria = new QGridLayout;
    criteria->setHorizontalSpacing(8);
    criteria->setVerticalSpacing(5);
    const std::pair<QLabel*, QWidget*> cells[] = { { startLabel, start_datetimepicker },
        { endLabel, end_DateTimePicker }, { bumenLabel, f_bumenCombox }, { renyuanLabel, f_RenyuanCombox },
        { itemLabel, f_TreeCombox }, { neirongLabel, f_neirongEdt } };
    for (int i = 0; i < 6; ++i) {
        criteria->addWidget(cells[i].first, i / 2, (i % 2) * 2);
        criteria->addWidget(cells[i].second, i / 2, (i % 2) * 2 + 1);
        cells[i].second->setMinimumWidth(150);
        cells[i].first->setMinimumWidth(cells[i].first->sizeHint().width());
    }
    criteria->setColumnStretch(1, 1);
    criteria->setColumnStretch(3, 1);

    auto* commands = new QGridLayout;
    commands->setHorizontalSpacing(18);
    PanelStyle::addCommand(commands, 0, 0, fcImageBtn1, QStringLiteral("查询"));
    PanelStyle::addCommand(commands, 0, 1, fcImageBtn5, QStringLiteral("删除"));
    PanelStyle::addCommand(commands, 0, 2, fcImageBtn7, QStringLiteral("完成修改"));
    PanelStyle::addCommand(commands, 0, 3, fcImageBtn6, QStringLiteral("打印"));

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(commands);
    bottom->addStretch();
    bottom->addWidget(foundLabel);
    bottom->addWidget(fcLabel14);
    bottom->addWidget(unitLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 4);
    layout->setSpacing(6);
    layout->addLayout(criteria);
    layout->addLayout(bottom);
}
