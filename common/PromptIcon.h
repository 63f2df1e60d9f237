#pragma once

#include "common/Prompts.h"

#include <QWidget>

// The icon of a prompt drawn in the skin's colours: information, question, warning or error.
class PromptIcon final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PromptIcon)

public:
    explicit PromptIcon(Prompts::Icon icon, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Prompts::Icon m_icon;
};
