#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A small streaming JSON writer for the machine-readable outputs of the
// headless command: keys in the order written, numbers in their shortest
// round-trip form (null when not finite), independent of the locale.
class TJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const char* key);

    void String(const QString& value);
    void Number(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();

    const QByteArray& Text() const { return FOut; }

private:
    QByteArray FOut;
    std::vector<bool> FFirst; // per open container: nothing written into it yet
    bool FAfterKey = false;

    void Separator();
    void Escape(const QByteArray& utf8);
};
