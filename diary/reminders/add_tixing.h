#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;

// The dialog that adds or modifies a reminder: date, time, kind and content. Its caption and
// fields are set by the caller before each use.
class TAddMod_tixing_form final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAddMod_tixing_form)

public:
    // The results the dialog ends with.
    static constexpr int mrYes = 6;
    static constexpr int mrCancel = 2;
    static constexpr int MaxContent = 254; // characters

    explicit TAddMod_tixing_form(QWidget* parent = nullptr);

    // Sets the kind box's text, also one that is not in its list.
    void setKind(const QString& kind);

    QLabel* Label1;
    QDateEdit* DateTimePicker1;
    QTimeEdit* DateTimePicker2;
    QLabel* Label3;
    QComboBox* ComboBox1;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void Button1Click();
    void Button2Click();
    void keepContentWithinLimit();
};
