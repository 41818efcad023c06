#pragma once

#include <QString>

#include <stdexcept>

// A picture that cannot be loaded: an unknown file extension or the
// decoder's own error.
class EPictureError : public std::runtime_error {
public:
    explicit EPictureError(const QString& Message)
        : std::runtime_error(Message.toStdString()), FMessage(Message)
    {
    }
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};
