#pragma once

#include <QAbstractButton>

// A flat maroon arrow drawn over a calendar's title, pointing left or right.
class ArrowButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArrowButton)

public:
    enum class Direction
    {
        Left,
        Right
    };

    ArrowButton(Direction direction, const QString& hint, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction m_direction;
};
