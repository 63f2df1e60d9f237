#pragma once

#include <QValidator>

// Refuses typing beyond a stored field's width in bytes of the code page, so that what the
// user sees in a box is what is stored.
class ByteLimitValidator final : public QValidator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ByteLimitValidator)

public:
    ByteLimitValidator(int maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    int m_maxBytes;
};
