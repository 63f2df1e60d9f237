#pragma once

#include <QPushButton>

// The round red "X" button that hides a borderless window.
class CloseButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CloseButton)

public:
    explicit CloseButton(const QString& hint, QWidget* parent = nullptr);
};
