#pragma once

#include <QWidget>

class Clock;
class DateBox;
class DropDownComboBox;
class ImageButton;
class QLabel;
class QLineEdit;
class TreeComboBox;

// The controls of the search page.
class SearchPanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchPanel)

public:
    explicit SearchPanel(Clock& clock, QWidget* parent = nullptr);

    QLabel* startLabel;
    QLabel* endLabel;
    QLabel* bumenLabel;
    QLabel* renyuanLabel;
    QLabel* itemLabel;
    QLabel* neirongLabel;
    DateBox* start_datetimepicker;
    DateBox* end_DateTimePicker;
    DropDownComboBox* f_bumenCombox;
    DropDownComboBox* f_RenyuanCombox;
    TreeComboBox* f_TreeCombox;
    QLineEdit* f_neirongEdt;
    QLabel* foundLabel;
    QLabel* fcLabel14;
    QLabel* unitLabel;
    ImageButton* fcImageBtn1;
    ImageButton* fcImageBtn5;
    ImageButton* fcImageBtn7;
    ImageButton* fcImageBtn6;
};
