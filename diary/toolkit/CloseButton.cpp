#include "diary/toolkit/CloseButton.h"

using namespace Qt::StringLiterals;

namespace {

const QString Caption = u"X"_s;

const QString Style = uR"(
QPushButton {
    color: white; font: bold 13px; border: 1px solid #700000; border-radius: 10px;
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.35, fy:0.3, stop:0 #ff9a8a, stop:1 #c80000);
}
QPushButton:hover { background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.35, fy:0.3,
    stop:0 #ffc0b0, stop:1 #e01010); }
QPushButton:pressed { background: #900000; }
)"_s;

} // namespace

CloseButton::CloseButton(const QString& hint, QWidget* parent)
    : QPushButton(Caption, parent)
{
    setToolTip(hint);
    setStyleSheet(Style);
    setCursor(Qt::PointingHandCursor);
}
