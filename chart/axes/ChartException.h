#pragma once

#include <QString>

#include <exception>
#include <string>

// The chart engine's own errors (series and list operations), with fixed
// English messages.
class ChartException : public std::exception {
public:
    explicit ChartException(const QString& Message)
        : FMessage(Message), FUtf8(Message.toStdString())
    {
    }
    const char* what() const noexcept override { return FUtf8.c_str(); }
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
    std::string FUtf8;
};
