#include "diary/workbench/DropDownComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

DropDownComboBox::DropDownComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
}

void DropDownComboBox::replaceItems(const QStringList& items)
{
    const QString text = currentText();
    {
        const QSignalBlocker quiet(this);
        clear();
        addItems(items);
        setCurrentIndex(-1);
        setEditText(text);
    }
}

QStringList DropDownComboBox::items() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(itemText(i));
    return result;
}

void DropDownComboBox::showPopup()
{
    emit aboutToDropDown();
    QComboBox::showPopup();
}
