#pragma once

#include <QWidget>

// A panel with a lowered outer and a raised inner bevel, one pixel each.
class BevelPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BevelPanel)

public:
    explicit BevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
