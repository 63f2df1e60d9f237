#include "diary/workbench/Calculator.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int MaxDigits = 15;

} // namespace

void Calculator::press(QChar key)
{
    if (key == QLatin1Char('C')) {
        *this = Calculator();
        return;
    }
    if (m_failed)
        return;
    if (key.isDigit() || key == QLatin1Char('.')) {
        if (key == QLatin1Char('.') && m_entry.contains(QLatin1Char('.')))
            return;
        if (m_entry.count(QRegularExpression(QStringLiteral("\\d"))) >= MaxDigits)
            return;
        if (m_entry.isEmpty() && key == QLatin1Char('.'))
            m_entry = QStringLiteral("0");
        if (m_entry == QLatin1String("0") && key != QLatin1Char('.'))
            m_entry.clear();
        m_entry += key;
        return;
    }
    switch (key.toLatin1()) {
    case 'E':
        m_entry.clear();
        m_shown = 0;
        return;
    case '<':
        m_entry.chop(1);
        return;
    case '~':
        if (!m_entry.isEmpty())
            m_entry = m_entry.startsWith(QLatin1Char('-')) ? m_entry.mid(1) : QLatin1Char('-') + m_entry;
        else
            m_shown = -m_shown;
        return;
    case '%':
        // x% of the left operand, as pocket calculators do.
        m_shown = (m_pending.isNull() ? 1.0 : m_accumulator) * value() / 100.0;
        m_entry.clear();
        return;
    case '+':
    case '-':
    case '*':
    case '/':
        applyPending();
        m_pending = key;
        return;
    case '=':
        applyPending();
        m_pending = QChar();
        return;
    default:
        return;
    }
}

void Calculator::applyPending()
{
    const double right = value();
    m_entry.clear();
    if (m_pending.isNull()) {
        m_accumulator = right;
    } else {
        switch (m_pending.toLatin1()) {
        case '+':
            m_accumulator += right;
            break;
        case '-':
            m_accumulator -= right;
            break;
        case '*':
            m_accumulator *= right;
            break;
        case '/':
            if (right == 0) {
                m_failed = true;
                return;
            }
            m_accumulator /= right;
            break;
        }
    }
    if (!std::isfinite(m_accumulator))
        m_failed = true;
    m_shown = m_accumulator;
}

void Calculator::setValue(double value)
{
    *this = Calculator();
    m_shown = value;
}

double Calculator::value() const
{
    if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
        return m_shown;
    return m_entry.toDouble();
}

QString Calculator::display(bool thousands, bool decimalPoint, int maxLength) const
{
    if (m_failed)
        return QStringLiteral("错误");
    if (m_entry.isEmpty())
        return format(m_shown, thousands, decimalPoint, maxLength);
    return decorate(m_entry, thousands, decimalPoint, maxLength);
}

QString Calculator::format(double value, bool thousands, bool decimalPoint, int maxLength)
{
    const QString plain = QString::number(value, 'g', MaxDigits);
    if (plain.contains(QLatin1Char('e')))
        return plain.left(maxLength);
    return decorate(plain, thousands, decimalPoint, maxLength);
}

QString Calculator::decorate(const QString& plain, bool thousands, bool decimalPoint, int maxLength)
{
    const bool negative = plain.startsWith(QLatin1Char('-'));
    const QString unsignedText = plain.mid(negative ? 1 : 0);
    QString whole = unsignedText.section(QLatin1Char('.'), 0, 0);
    const bool hasPoint = unsignedText.contains(QLatin1Char('.'));
    const QString fraction = unsignedText.section(QLatin1Char('.'), 1);
    if (thousands)
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, QLatin1Char(','));
    QString text = (negative ? QStringLiteral("-") : QString()) + whole;
    if (hasPoint || decimalPoint)
        text += QLatin1Char('.') + fraction;
    return text.left(maxLength);
}
