#pragma once

#include <QComboBox>

// An editable drop-down list that lets its owner refill the list just before it opens, and
// whose list can be replaced without touching the typed text.
class DropDownComboBox final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropDownComboBox)

public:
    explicit DropDownComboBox(QWidget* parent = nullptr);

    void replaceItems(const QStringList& items);
    QStringList items() const;
    void showPopup() override;

signals:
    void aboutToDropDown();
};
