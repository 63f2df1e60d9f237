#pragma once

#include <QLabel>

// A command of the main window: a label with a shadowed text that reacts to the pointer and
// reports clicks.
class CommandLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandLabel)

public:
    explicit CommandLabel(const QString& caption, QWidget* parent = nullptr);

    void setShadow(bool on);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_shadow = true;
    bool m_hovered = false;
};
