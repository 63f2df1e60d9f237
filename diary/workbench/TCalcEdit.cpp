#include "diary/workbench/TCalcEdit.h"

#include "diary/workbench/CalcPopup.h"

#include <QRegularExpressionValidator>
#include <QToolButton>

TCalcEdit::TCalcEdit(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
    , m_popup(new CalcPopup(this))
    , m_dropButton(new QToolButton(this))
{
    setMaxLength(20);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9,]*\\.?[0-9]*")), this));
    m_dropButton->setArrowType(Qt::DownArrow);
    m_dropButton->setCursor(Qt::ArrowCursor);
    m_dropButton->setFocusPolicy(Qt::NoFocus);
    m_dropButton->setStyleSheet(QStringLiteral("QToolButton { border: none; }"));
    setTextMargins(0, 0, 20, 0);
    connect(m_dropButton, &QToolButton::clicked, this, &TCalcEdit::dropDown);
    connect(m_popup, &CalcPopup::textChanged, this, &QLineEdit::setText);
}

void TCalcEdit::dropDown()
{
    emit beforeDropDown();
    QString plain = text();
    plain.remove(QLatin1Char(','));
    m_popup->start(plain.toDouble(), m_options);
    m_popup->move(mapToGlobal(QPoint(width() - m_popup->width(), height())));
    m_popup->show();
    m_popup->setFocus();
}

void TCalcEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    m_dropButton->setGeometry(width() - 20, 1, 19, height() - 2);
}
