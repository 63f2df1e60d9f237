#pragma once

#include "common/SkinDialog.h"

#include <QList>
#include <QStringList>

class QLineEdit;

// A small modal dialog of one or more masked fields with "确定" and "取消", centred on the
// screen: the password entry and the password change.
class PasswordDialog final : public SkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PasswordDialog)

public:
    PasswordDialog(
        const QString& caption, const QStringList& labels, const QStringList& texts, QWidget* parent = nullptr);

    QStringList texts() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<QLineEdit*> m_fields;
};
