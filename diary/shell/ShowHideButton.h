#pragma once

#include <QAbstractButton>

// The small toggle under the main window's bar: pressed while auto-hide is off.
class ShowHideButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShowHideButton)

public:
    explicit ShowHideButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
