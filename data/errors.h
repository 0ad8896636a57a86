#pragma once

#include <QString>
#include <stdexcept>

// A failure that ends the current step; the application shows its text in the error box.
class ExamError : public std::runtime_error
{
public:
    explicit ExamError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
