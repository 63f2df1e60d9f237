#include "diary/workbench/PageBar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QToolButton>

PageBar::PageBar(QWidget* parent)
    : QWidget(parent)
    , m_buttons(new QHBoxLayout)
    , m_group(new QButtonGroup(this))
    , m_panels(new QStackedWidget(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    m_buttons->setSpacing(2);
    layout->addLayout(m_buttons);
    layout->addWidget(m_panels, 1);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) { setCurrent(button); });
}

QAbstractButton* PageBar::addPage(const QString& name, const QString& caption, QWidget* panel)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(true);
    button->setFixedWidth(30);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; font-family: '楷体_GB2312'; font-size: 15px; border: 1px solid #173E86;"
        " border-radius: 5px; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5A93E0, stop:1 #2A5DB8); }"
        "QToolButton:checked { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #F6C55A, stop:1 #E0962A);"
        " color: #3A2200; }"
        "QToolButton:hover:!checked { background: #6BA2EA; }"));
    m_group->addButton(button);
    m_buttons->addWidget(button);
    m_panels->addWidget(panel);
    if (m_group->buttons().size() == 1)
        button->setChecked(true);
    return button;
}

void PageBar::setCurrent(QAbstractButton* button)
{
    const int page = int(m_group->buttons().indexOf(button));
    if (page < 0)
        return;
    button->setChecked(true);
    m_panels->setCurrentIndex(page);
    emit pageChanged(button);
}

QAbstractButton* PageBar::current() const
{
    return m_group->checkedButton();
}

void PageBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xF4, 0xF8, 0xFE));
    g.setColorAt(1, QColor(0xD6, 0xE4, 0xF7));
    p.setPen(QColor(0x7A, 0x9C, 0xD0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}
