#pragma once

#include "diary/workbench/CalcOptions.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class TCalcEdit;

// "我的计数器": the calculator box and the two boxes of options that set its look before each
// drop-down.
class CalculatorPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CalculatorPanel)

public:
    explicit CalculatorPanel(QWidget* parent = nullptr);

    // The options as the controls stand now.
    CalcOptions chosenOptions() const;
    void fcCalcEdit1BeforeDropDown();

    QWidget* fcPanel1;
    TCalcEdit* fcCalcEdit1;
    QGroupBox* fcGroupBox1;
    QGroupBox* fcGroupBox2;
    QRadioButton* transparentButtons;
    QRadioButton* roundButtons;
    QRadioButton* plainButtons;
    QRadioButton* rectangleButtons;
    QCheckBox* trackBox;
    QCheckBox* floatingBorderBox;
    QCheckBox* decimalPointBox;
    QCheckBox* thousandsBox;
    QCheckBox* closeOnEqualsBox;
};
