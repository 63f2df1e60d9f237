#pragma once

#include <QDateEdit>

// A date box whose date changes only by its drop-down calendar or the arrow keys; typed
// characters are discarded.
class DateBox final : public QDateEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DateBox)

public:
    explicit DateBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
