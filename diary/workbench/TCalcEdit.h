#pragma once

#include "diary/workbench/CalcOptions.h"

#include <QLineEdit>

class CalcPopup;

// A numeric box with a drop-down calculator. beforeDropDown lets the owner set the options
// just before each drop-down.
class TCalcEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCalcEdit)

public:
    explicit TCalcEdit(QWidget* parent = nullptr);

    void setOptions(const CalcOptions& options) { m_options = options; }
    const CalcOptions& options() const { return m_options; }
    CalcPopup* popup() const { return m_popup; }
    void dropDown();

signals:
    void beforeDropDown();

private:
    CalcOptions m_options;
    CalcPopup* m_popup = nullptr;
};
