#include "diary/workbench/CalcPopup.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// One key of the calculator, drawn in the chosen button style.
class CalcKey final : public QAbstractButton
{
public:
    CalcKey(QChar key, const QString& caption, QWidget* parent)
        : QAbstractButton(parent)
        , m_key(key)
    {
        setText(caption);
        setFixedSize(34, 26);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
    }

    QChar key() const { return m_key; }
    void setLook(CalcOptions::Buttons look, bool track)
    {
        m_look = look;
        m_track = track;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        const bool hot = m_track && underMouse();
        QColor face = isDown() ? QColor(0xB8, 0xCF, 0xEE) : hot ? QColor(0xFF, 0xF0, 0xB0) : QColor(0xF4, 0xF7, 0xFC);
        const QColor edge(0x7A, 0x96, 0xC2);
        switch (m_look) {
        case CalcOptions::Buttons::Transparent:
            if (isDown() || hot) {
                p.setPen(edge);
                p.setBrush(face);
                p.drawRect(r);
            }
            break;
        case CalcOptions::Buttons::Round:
            p.setPen(edge);
            p.setBrush(face);
            p.drawEllipse(QRectF(r.center().x() - 11.5, r.center().y() - 11.5, 23, 23));
            break;
        case CalcOptions::Buttons::Rectangle:
            p.setPen(edge);
            p.setBrush(face);
            p.drawRect(r);
            break;
        case CalcOptions::Buttons::Plain: {
            QLinearGradient g(0, 0, 0, height());
            g.setColorAt(0, face.lighter(104));
            g.setColorAt(1, face.darker(110));
            p.setPen(edge);
            p.setBrush(g);
            p.drawRoundedRect(r, 3, 3);
            break;
        }
        }
        p.setPen(m_key.isDigit() || m_key == QLatin1Char('.') ? QColor(0x10, 0x24, 0x5A) : QColor(0xB0, 0x20, 0x20));
        p.drawText(rect(), Qt::AlignCenter, text());
    }

private:
    QChar m_key;
    CalcOptions::Buttons m_look = CalcOptions::Buttons::Plain;
    bool m_track = false;
};

struct KeyDef
{
    char key;
    const char* caption;
};

// clang-format off
const KeyDef Layout[5][4] = {
    { { 'C', "C" }, { '<', "←" }, { '%', "%" }, { '/', "÷" } },
    { { '7', "7" }, { '8', "8" }, { '9', "9" }, { '*', "×" } },
    { { '4', "4" }, { '5', "5" }, { '6', "6" }, { '-', "−" } },
    { { '1', "1" }, { '2', "2" }, { '3', "3" }, { '+', "+" } },
    { { '~', "±" }, { '0', "0" }, { '.', "." }, { '=', "=" } },
};
// clang-format on

} // namespace

CalcPopup::CalcPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("calculator"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    m_display = new QLabel(this);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_display);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column) {
            const KeyDef& def = Layout[row][column];
            auto* key = new CalcKey(QLatin1Char(def.key), QString::fromUtf8(def.caption), this);
            connect(key, &QAbstractButton::clicked, this, [this, key] { press(key->key()); });
            grid->addWidget(key, row, column);
            m_keys.append(key);
        }
    }
    layout->addLayout(grid);
    setStyleSheet(QStringLiteral("CalcPopup { background: #E4ECF8; }"));
}

void CalcPopup::start(double value, const CalcOptions& options)
{
    m_options = options;
    m_calculator.setValue(value);
    m_display->setVisible(options.editField);
    m_display->setText(text());
    setFrameShape(options.hideBorder ? QFrame::NoFrame : QFrame::Box);
    setLineWidth(1);
    for (QAbstractButton* key : m_keys)
        static_cast<CalcKey*>(key)->setLook(options.buttons, options.track);
    adjustSize();
}

QString CalcPopup::text() const
{
    return m_calculator.display(m_options.thousands, m_options.decimalPoint);
}

QAbstractButton* CalcPopup::key(QChar key) const
{
    for (QAbstractButton* button : m_keys)
        if (static_cast<CalcKey*>(button)->key() == key)
            return button;
    return nullptr;
}

void CalcPopup::press(QChar key)
{
    m_calculator.press(key);
    m_display->setText(text());
    emit textChanged(text());
    if (key == QLatin1Char('=') && m_options.closeOnEquals)
        hide();
}

void CalcPopup::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    static const QString keys = QStringLiteral("0123456789.+-*/=%");
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        press(QLatin1Char('='));
    else if (event->key() == Qt::Key_Backspace)
        press(QLatin1Char('<'));
    else if (event->key() == Qt::Key_Delete)
        press(QLatin1Char('C'));
    else if (typed.size() == 1 && keys.contains(typed.at(0)))
        press(typed.at(0));
    else
        QFrame::keyPressEvent(event);
}
