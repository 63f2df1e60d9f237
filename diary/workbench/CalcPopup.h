#pragma once

#include "diary/workbench/CalcOptions.h"
#include "diary/workbench/Calculator.h"

#include <QFrame>
#include <QList>

class QAbstractButton;
class QLabel;

// The calculator that drops down under the calculator box.
class CalcPopup final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CalcPopup)

public:
    explicit CalcPopup(QWidget* parent = nullptr);

    void start(double value, const CalcOptions& options);
    const CalcOptions& options() const { return m_options; }
    QString text() const;
    QAbstractButton* key(QChar key) const;

signals:
    void textChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(QChar key);

    Calculator m_calculator;
    CalcOptions m_options;
    QLabel* m_display = nullptr;
    QList<QAbstractButton*> m_keys;
};
