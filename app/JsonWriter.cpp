#include "app/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

void TJsonWriter::Separator()
{
    if (FAfterKey) {
        FAfterKey = false;
        return;
    }
    if (!FFirst.empty()) {
        if (!FFirst.back())
            FOut += ',';
        FFirst.back() = false;
    }
}

void TJsonWriter::BeginObject()
{
    Separator();
    FOut += '{';
    FFirst.push_back(true);
}

void TJsonWriter::EndObject()
{
    FOut += '}';
    FFirst.pop_back();
}

void TJsonWriter::BeginArray()
{
    Separator();
    FOut += '[';
    FFirst.push_back(true);
}

void TJsonWriter::EndArray()
{
    FOut += ']';
    FFirst.pop_back();
}

void TJsonWriter::Key(const char* key)
{
    Separator();
    Escape(QByteArray(key));
    FOut += ':';
    FAfterKey = true;
}

void TJsonWriter::String(const QString& value)
{
    Separator();
    Escape(value.toUtf8());
}

void TJsonWriter::Escape(const QByteArray& utf8)
{
    FOut += '"';
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            FOut += "\\\"";
            break;
        case '\\':
            FOut += "\\\\";
            break;
        case '\n':
            FOut += "\\n";
            break;
        case '\r':
            FOut += "\\r";
            break;
        case '\t':
            FOut += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(c));
                FOut += buf;
            } else {
                FOut += ch;
            }
        }
    }
    FOut += '"';
}

void TJsonWriter::Number(double value)
{
    Separator();
    if (!std::isfinite(value)) {
        FOut += "null";
        return;
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    FOut.append(buf, res.ptr - buf);
}

void TJsonWriter::Integer(long long value)
{
    Separator();
    FOut += QByteArray::number(value);
}

void TJsonWriter::Bool(bool value)
{
    Separator();
    FOut += value ? "true" : "false";
}

void TJsonWriter::Null()
{
    Separator();
    FOut += "null";
}
