#pragma once

#include <QString>

// The arithmetic of the drop-down calculator: a four-function calculator that evaluates left
// to right, as a pocket calculator does.
class Calculator final
{
public:
    // Keys: digits, '.', '+', '-', '*', '/', '=', '%', 'C' (clear), 'E' (clear entry),
    // '<' (backspace), '~' (change sign).
    void press(QChar key);
    void setValue(double value);
    double value() const;
    bool failed() const { return m_failed; }
    // The shown text, at most maxLength characters.
    QString display(bool thousands, bool decimalPoint, int maxLength = 20) const;

private:
    static QString format(double value, bool thousands, bool decimalPoint, int maxLength);
    void applyPending();
    // Adds the thousands separators and the decimal point to a plain number text.
    static QString decorate(const QString& plain, bool thousands, bool decimalPoint, int maxLength);

    QString m_entry;        // digits typed for the current operand, empty when none
    double m_shown = 0;     // the operand or result on display when nothing is typed
    double m_accumulator = 0;
    QChar m_pending;        // operator waiting for its right operand
    bool m_failed = false;
};
