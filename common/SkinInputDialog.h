#pragma once

#include "common/SkinDialog.h"

class QLineEdit;

// An input box in the program's skin: a prompt, one text field, "确定" and "取消".
class SkinInputDialog final : public SkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinInputDialog)

public:
    SkinInputDialog(const QString& caption, const QString& prompt, const QString& text, QWidget* parent = nullptr);

    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_field = nullptr;
};
