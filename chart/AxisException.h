#pragma once

#include <QString>

#include <exception>
#include <string>

// A refused axis setting (limits out of order, a negative increment or label
// separation). The stored value stays as it was.
class AxisException : public std::exception {
public:
    explicit AxisException(const QString& Message)
        : FMessage(Message), FUtf8(Message.toStdString())
    {
    }
    const char* what() const noexcept override { return FUtf8.c_str(); }
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
    std::string FUtf8;
};
