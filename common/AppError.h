#pragma once

#include <QString>
#include <exception>

// A failure with the text the user sees; reaches the general error display unless a caller
// shows its own message.
class AppError : public std::exception
{
public:
    explicit AppError(QString message);

    const QString& message() const { return m_message; }
    const char* what() const noexcept override;

private:
    QString m_message;
    QByteArray m_utf8;
};
