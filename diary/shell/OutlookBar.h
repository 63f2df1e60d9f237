#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QTimer;

// The main window's group bar: group buttons stacked top to bottom, each over a panel of
// commands. Choosing a group slides its panel open and the open one shut; one is open at a time.
class OutlookBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutlookBar)

public:
    static constexpr int ButtonHeight = 20;
    static constexpr int Steps = 7;
    static constexpr int StepMs = 1;

    explicit OutlookBar(QWidget* parent = nullptr);

    // Adds a group; its button opens the panel unless opensPanel is false (a command of its own).
    QWidget* addGroup(QAbstractButton* button, bool opensPanel = true);
    QAbstractButton* groupButton(int group) const { return m_groups.at(group).button; }
    QWidget* panel(int group) const { return m_groups.at(group).panel; }
    int groupCount() const { return int(m_groups.size()); }

    int openGroup() const { return m_open; }
    bool sliding() const { return m_step < Steps; }
    // Opens a group's panel, sliding, or at once.
    void open(int group, bool animated = true);

signals:
    void groupOpened(int group);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Group
    {
        QAbstractButton* button;
        QWidget* panel;
    };

    void slideStep();
    void placeGroups();
    int panelHeight() const;

    QList<Group> m_groups;
    QTimer* m_timer;
    int m_open = -1;
    int m_closing = -1;
    int m_step = Steps;
};
