#pragma once

#include <QString>
#include <stdexcept>

namespace app {

// An error raised inside an event handler. The handler stops where it is thrown;
// the guard around the handler shows the message in the application's error dialog.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace app
