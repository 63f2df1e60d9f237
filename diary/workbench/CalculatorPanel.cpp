#include "diary/workbench/CalculatorPanel.h"

#include "diary/workbench/TCalcEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CalculatorPanel::CalculatorPanel(QWidget* parent)
    : QWidget(parent)
    , fcPanel1(new QWidget(this))
    , fcCalcEdit1(new TCalcEdit(fcPanel1))
    , fcGroupBox1(new QGroupBox(QStringLiteral("计算器外貌"), this))
    , fcGroupBox2(new QGroupBox(QStringLiteral("输入选项"), this))
    , transparentButtons(new QRadioButton(QStringLiteral(" 透明按钮")))
    , roundButtons(new QRadioButton(QStringLiteral(" 圆形按钮")))
    , plainButtons(new QRadioButton(QStringLiteral(" 普通按钮")))
    , rectangleButtons(new QRadioButton(QStringLiteral(" 矩形按钮")))
    , trackBox(new QCheckBox(QStringLiteral(" 显示轨迹")))
    , floatingBorderBox(new QCheckBox(QStringLiteral(" 浮动边框")))
    , decimalPointBox(new QCheckBox(QStringLiteral(" 显示小数点")))
    , thousandsBox(new QCheckBox(QStringLiteral(" 显示千分号")))
    , closeOnEqualsBox(new QCheckBox(QStringLiteral(" 按=号关闭")))
{
    fcPanel1->setObjectName(QStringLiteral("fcPanel1"));
    fcCalcEdit1->setObjectName(QStringLiteral("fcCalcEdit1"));
    auto* caption = new QLabel(QStringLiteral("我的计数器"), fcPanel1);
    caption->setObjectName(QStringLiteral("caption"));
    auto* panelLayout = new QVBoxLayout(fcPanel1);
    panelLayout->setContentsMargins(8, 6, 8, 8);
    panelLayout->addWidget(caption);
    panelLayout->addWidget(fcCalcEdit1);
    fcPanel1->setStyleSheet(QStringLiteral(
        "#fcPanel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5A93E0, stop:1 #2A5DB8);"
        " border-radius: 6px; }"
        "#caption { color: white; font-family: '楷体_GB2312'; font-size: 16px; }"));

    auto* buttonGroup = new QGroupBox(QStringLiteral("按钮显示选项"), fcGroupBox1);
    auto* buttonLayout = new QGridLayout(buttonGroup);
    buttonLayout->setContentsMargins(6, 4, 6, 4);
    buttonLayout->addWidget(transparentButtons, 0, 0);
    buttonLayout->addWidget(roundButtons, 0, 1);
    buttonLayout->addWidget(plainButtons, 1, 0);
    buttonLayout->addWidget(rectangleButtons, 1, 1);
    plainButtons->setChecked(true);
    auto* lookLayout = new QVBoxLayout(fcGroupBox1);
    lookLayout->setContentsMargins(6, 4, 6, 6);
    lookLayout->addWidget(buttonGroup);
    auto* lookChecks = new QHBoxLayout;
    lookChecks->addWidget(trackBox);
    lookChecks->addWidget(floatingBorderBox);
    lookLayout->addLayout(lookChecks);

    auto* inputLayout = new QGridLayout(fcGroupBox2);
    inputLayout->setContentsMargins(6, 4, 6, 6);
    inputLayout->addWidget(decimalPointBox, 0, 0);
    inputLayout->addWidget(thousandsBox, 0, 1);
    inputLayout->addWidget(closeOnEqualsBox, 1, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(fcPanel1);
    layout->addWidget(fcGroupBox1);
    layout->addWidget(fcGroupBox2);
    layout->addStretch();

    connect(fcCalcEdit1, &TCalcEdit::beforeDropDown, this, &CalculatorPanel::fcCalcEdit1BeforeDropDown);
}

CalcOptions CalculatorPanel::chosenOptions() const
{
    CalcOptions options; // from scratch: no edit field of its own, plain buttons
    if (transparentButtons->isChecked())
        options.buttons = CalcOptions::Buttons::Transparent;
    else if (roundButtons->isChecked())
        options.buttons = CalcOptions::Buttons::Round;
    else if (rectangleButtons->isChecked())
        options.buttons = CalcOptions::Buttons::Rectangle;
    options.track = trackBox->isChecked();
    options.hideBorder = floatingBorderBox->isChecked();
    options.closeOnEquals = closeOnEqualsBox->isChecked();
    options.thousands = thousandsBox->isChecked();
    options.decimalPoint = decimalPointBox->isChecked();
    return options;
}

void CalculatorPanel::fcCalcEdit1BeforeDropDown()
{
    fcCalcEdit1->setOptions(chosenOptions());
}
