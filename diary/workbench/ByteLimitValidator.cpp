#include "diary/workbench/ByteLimitValidator.h"

#include "common/CodePage.h"

ByteLimitValidator::ByteLimitValidator(int maxBytes, QObject* parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{
}

QValidator::State ByteLimitValidator::validate(QString& input, int&) const
{
    return CodePage::byteLength(input) <= m_maxBytes ? Acceptable : Invalid;
}
