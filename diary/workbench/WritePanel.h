#pragma once

#include <QWidget>

class Clock;
class DateBox;
class DropDownComboBox;
class ImageButton;
class QLabel;

// The controls of the write page.
class WritePanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WritePanel)

public:
    explicit WritePanel(Clock& clock, QWidget* parent = nullptr);

    QLabel* dateLabel;
    QLabel* bumenLabel;
    QLabel* renyuanLabel;
    DateBox* DateTimePicker1;
    DropDownComboBox* Bumen_comx;
    DropDownComboBox* Renyuan_comx;
    ImageButton* Sure_img_btn;
    ImageButton* fcImageBtn4;
    ImageButton* fcImageBtn3;
    ImageButton* fcImageBtn2;
};
