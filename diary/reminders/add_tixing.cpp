#include "diary/reminders/add_tixing.h"

#include "common/LocaleTexts.h"
#include "diary/reminders/ReminderEntries.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace {

// clang-format off
const QString kDate   = QStringLiteral("日期  ");
const QString kKind   = QStringLiteral("类别 ");
const QString kOk     = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");
// clang-format on

} // namespace

TAddMod_tixing_form::TAddMod_tixing_form(QWidget* parent)
    : QDialog(parent)
    , Label1(new QLabel(kDate, this))
    , DateTimePicker1(new QDateEdit(this))
    , DateTimePicker2(new QTimeEdit(this))
    , Label3(new QLabel(kKind, this))
    , ComboBox1(new QComboBox(this))
    , Memo1(new QPlainTextEdit(this))
    , Button1(new QPushButton(kOk, this))
    , Button2(new QPushButton(kCancel, this))
{
    setObjectName(QStringLiteral("AddMod_tixing_form"));
    setFixedSize(427, 224);

    Label1->setGeometry(16, 16, 40, 22);
    DateTimePicker1->setGeometry(58, 14, 130, 24);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    DateTimePicker2->setGeometry(198, 14, 100, 24);
    DateTimePicker2->setDisplayFormat(LocaleTexts::longTimeFormat());

    Label3->setGeometry(16, 50, 40, 22);
    ComboBox1->setGeometry(58, 48, 160, 24);
    // Chosen from the list only: the box shows its text, typed keys change nothing.
    ComboBox1->setEditable(true);
    ComboBox1->lineEdit()->setReadOnly(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(ReminderEntries::kinds());

    Memo1->setGeometry(16, 82, 395, 90);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TAddMod_tixing_form::keepContentWithinLimit);

    Button1->setGeometry(230, 184, 80, 28);
    Button2->setGeometry(322, 184, 80, 28);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TAddMod_tixing_form::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAddMod_tixing_form::Button2Click);
}

void TAddMod_tixing_form::setKind(const QString& kind)
{
    const int index = ComboBox1->findText(kind);
    ComboBox1->setCurrentIndex(index);
    ComboBox1->setEditText(kind);
}

void TAddMod_tixing_form::Button1Click()
{
    done(mrYes);
}

void TAddMod_tixing_form::Button2Click()
{
    done(mrCancel);
}

// Like a length limit of the box: what would go past it is not taken in.
void TAddMod_tixing_form::keepContentWithinLimit()
{
    const QString text = Memo1->toPlainText();
    if (text.size() <= MaxContent)
        return;
    QTextCursor cursor = Memo1->textCursor();
    const int excess = int(text.size()) - MaxContent;
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    Memo1->setTextCursor(cursor);
}
