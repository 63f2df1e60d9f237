#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The notice window shared by an announced reminder (AALabel1) and today's list (Label1); it
// does not block the rest of the program and stays until the user dismisses it.
class TShowTixingInfForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TShowTixingInfForm)

public:
    explicit TShowTixingInfForm(QWidget* parent = nullptr);

    QLabel* Label2;
    QLabel* AALabel1;
    QLabel* Label1;
    QFrame* Bevel1;
    QLabel* fcLabel1;
    QPushButton* Button1;

private:
    void Button1Click();
};
