#include "diary/workbench/TCalcEdit.h"

#include "diary/workbench/CalcPopup.h"
#include "diary/workbench/PanelStyle.h"

#include <QAction>
#include <QRegularExpressionValidator>

TCalcEdit::TCalcEdit(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
    , m_popup(new CalcPopup(this))
{
    setMaxLength(20);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9,]*\\.?[0-9]*")), this));
    QAction* drop = addAction(PanelStyle::dropArrow(), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &TCalcEdit::dropDown);
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
