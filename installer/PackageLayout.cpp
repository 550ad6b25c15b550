#include "PackageLayout.h"

#include <QString>
#include <algorithm>

namespace {

// C1 controls, and the marks, embeddings, overrides and isolates of bidirectional text.
bool IsHiddenControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x80 && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E)
           || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

namespace PackageLayout {

bool IsSafeName(const QByteArray& name)
{
    if (name.size() + 1 < MinNameLength || name.size() + 1 > MaxNameLength)
        return false;
    if (name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\')
            return false;
    }
    // The name becomes a file name as text; bytes that are not text would not come back the same.
    const QString text = QString::fromUtf8(name);
    return text.toUtf8() == name && std::none_of(text.begin(), text.end(), IsHiddenControl);
}

qint32 ReadInt32(const char* bytes)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<qint32>(value);
}

void AppendInt32(QByteArray& out, qint32 value)
{
    const auto bits = static_cast<quint32>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((bits >> shift) & 0xFF));
}

void AppendTrailer(QByteArray& out, const QByteArray& name, qint32 dataSize)
{
    out.append(name);
    out.append('\0');
    AppendInt32(out, qint32(name.size() + 1));
    AppendInt32(out, dataSize);
    AppendInt32(out, RecordTag);
}

void AppendRecord(QByteArray& out, const QByteArray& name, const QByteArray& data)
{
    out.append(data);
    AppendTrailer(out, name, qint32(data.size()));
}

} // namespace PackageLayout
