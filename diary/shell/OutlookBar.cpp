#include "diary/shell/OutlookBar.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

OutlookBar::OutlookBar(QWidget* parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(StepMs);
    connect(m_timer, &QTimer::timeout, this, &OutlookBar::slideStep);
}

QWidget* OutlookBar::addGroup(QAbstractButton* button, bool opensPanel)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(button->objectName() + QStringLiteral("Panel"));
    panel->hide();
    button->setParent(this);
    const int group = int(m_groups.size());
    m_groups.append({ button, panel });
    if (opensPanel)
        connect(button, &QAbstractButton::clicked, this, [this, group] { open(group); });
    if (m_open < 0)
        m_open = group;
    placeGroups();
    return panel;
}

void OutlookBar::open(int group, bool animated)
{
    if (group == m_open && !sliding())
        return;
    m_closing = m_open == group ? -1 : m_open;
    m_open = group;
    m_step = animated ? 0 : Steps;
    if (animated)
        m_timer->start();
    placeGroups();
    emit groupOpened(group);
}

void OutlookBar::slideStep()
{
    if (++m_step >= Steps) {
        m_step = Steps;
        m_timer->stop();
        m_closing = -1;
    }
    placeGroups();
}

int OutlookBar::panelHeight() const
{
    return qMax(0, height() - int(m_groups.size()) * ButtonHeight);
}

void OutlookBar::placeGroups()
{
    const int full = panelHeight();
    const int opening = full * m_step / Steps;
    int y = 0;
    for (int i = 0; i < m_groups.size(); ++i) {
        const Group& group = m_groups.at(i);
        group.button->setGeometry(0, y, width(), ButtonHeight);
        y += ButtonHeight;
        const int h = i == m_open ? opening : i == m_closing ? full - opening : 0;
        // Panels keep their full height and are uncovered from the top, so the commands slide.
        group.panel->setGeometry(0, y, width(), full);
        group.panel->setVisible(h > 0);
        group.panel->setFixedHeight(full);
        if (h > 0)
            group.panel->setMask(QRegion(0, 0, width(), h));
        y += h;
    }
    update();
}

void OutlookBar::resizeEvent(QResizeEvent*)
{
    placeGroups();
}

void OutlookBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient well(0, 0, width(), 0);
    well.setColorAt(0, QColor(0xDD, 0xE9, 0xF8));
    well.setColorAt(1, QColor(0xF7, 0xFA, 0xFF));
    painter.fillRect(rect(), well);
}
