#include "ProfileFormat.h"

#include <QIODevice>
#include <algorithm>
#include <utility>

namespace {

// Escapes both sides write and read; the reader also takes "\?" and "\'".
constexpr std::pair<char, char16_t> Escapes[] = {
    {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'},
    {'t', '\t'}, {'v', '\v'}, {'"', '"'}, {'\\', '\\'},
};

bool IsNameCharacter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
           || c == '.' || c == '-';
}

// Names are plain so that a name written is always read back as the same name.
bool IsPlainName(QByteArrayView name)
{
    return !name.isEmpty()
           && std::all_of(name.begin(), name.end(), [](char c) { return IsNameCharacter(uchar(c)); });
}

bool IsPlainName(QStringView name)
{
    return !name.isEmpty()
           && std::all_of(name.begin(), name.end(), [](QChar c) { return IsNameCharacter(c.unicode()); });
}

int DigitValue(char c, int base)
{
    if (c >= '0' && c <= '7')
        return c - '0';
    if (base == 8)
        return -1;
    if (c >= '8' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexDigit(char16_t c)
{
    return c < 0x80 && DigitValue(char(c), 16) >= 0;
}

// The escape after a backslash at text[i]; returns where the text goes on.
qsizetype AppendEscape(QByteArrayView text, qsizetype i, QString& result)
{
    const char c = text[i++];
    for (const auto& [letter, character] : Escapes) {
        if (c == letter) {
            result += QChar(character);
            return i;
        }
    }
    if (c == '?' || c == '\'') {
        result += QLatin1Char(c);
        return i;
    }
    const int base = c == 'x' ? 16 : DigitValue(c, 8) >= 0 ? 8 : 0;
    if (base == 0)
        return i;  // an unknown escape drops its character, as the toolkit's reader does
    if (base == 8)
        --i;  // the digit is part of the number
    // Saturates: a code beyond one UTF-16 unit, or half a surrogate pair, is no character.
    char32_t code = 0;
    const qsizetype first = i;
    for (int digit; i < text.size() && (digit = DigitValue(text[i], base)) >= 0; ++i)
        code = std::min<char32_t>(code * base + char32_t(digit), 0x10000);
    if (i == first)
        return i;
    const bool character = code <= 0xFFFF && !QChar::isSurrogate(code);
    result += character ? QChar(char16_t(code)) : QChar(QChar::ReplacementCharacter);
    return i;
}

// A value as the toolkit's INI writer escapes it: quoted parts keep their spaces, ';' outside
// quotes starts a comment, and a leading "@@" stands for "@". Any other "@..." is plain text.
QString UnescapeValue(QByteArrayView text)
{
    QString result;
    QByteArray plain;     // bytes since the last quote or escape, decoded together as UTF-8
    qsizetype kept = 0;   // trailing spaces before this length were quoted or escaped
    bool quoted = false;
    const auto flush = [&] {
        result += QString::fromUtf8(plain);
        plain.clear();
        if (quoted)
            kept = result.size();
    };
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (i < text.size()) {
        const char c = text[i++];
        if (c == ';' && !quoted)
            break;
        if (c == '"') {
            flush();
            quoted = !quoted;
        } else if (c == '\\') {
            flush();
            if (i < text.size())
                i = AppendEscape(text, i, result);
            kept = result.size();
        } else {
            plain += c;
        }
    }
    flush();
    qsizetype end = result.size();
    while (end > kept && (result[end - 1] == ' ' || result[end - 1] == '\t'))
        --end;
    result.truncate(end);
    if (result.startsWith(QLatin1String("@@")))
        result.remove(0, 1);
    return result;
}

QByteArray EscapeValue(const QString& text)
{
    const QString value = text.startsWith('@') ? '@' + text : text;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeHexDigit = false;  // "\x1" followed by "a" would read back as "\x1a"
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c >= 0x80) {
            qsizetype end = i + 1;
            while (end < value.size() && value[end].unicode() >= 0x80)
                ++end;
            out += QStringView(value).sliced(i, end - i).toUtf8();
            i = end - 1;
            escapeHexDigit = false;
            continue;
        }
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeHexDigit && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        const auto escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                         [c](const auto& e) { return e.second == c; });
        if (escape != std::end(Escapes)) {
            out += '\\';
            out += escape->first;
        } else if (c < 0x20) {
            out += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else {
            out += char(c);
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

void ReadLine(QByteArrayView line, QString& section, QSettings::SettingsMap& values)
{
    line = line.trimmed();
    if (line.isEmpty() || line[0] == ';' || line[0] == '#')
        return;
    if (line[0] == '[') {
        const qsizetype close = line.indexOf(']');
        const QByteArrayView name = close < 0 ? line.sliced(1) : line.sliced(1, close - 1);
        // Values under a section we cannot name again are skipped with it.
        section = IsPlainName(name) ? QString::fromLatin1(name) : QString();
        return;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || section.isEmpty())
        return;
    const QByteArrayView name = line.first(equals).trimmed();
    if (IsPlainName(name))
        values.insert(section + '/' + QString::fromLatin1(name), UnescapeValue(line.sliced(equals + 1)));
}

} // namespace

namespace ProfileFormat {

QSettings::Format Format()
{
    static const QSettings::Format format = QSettings::registerFormat("conf", Read, Write);
    return format;
}

bool Read(QIODevice& device, QSettings::SettingsMap& values)
{
    // The toolkit hands over the file itself, whose size is known before anything is read.
    if (device.size() > MaxFileBytes)
        return true;
    QByteArray data = device.readAll();
    if (data.size() > MaxFileBytes)
        return true;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QString section;
    for (qsizetype start = 0; start < data.size();) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        ReadLine(QByteArrayView(data).sliced(start, end - start), section, values);
        start = end + 1;
    }
    return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& values)
{
    QByteArray out;
    QString section;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const qsizetype slash = value.key().indexOf('/');
        if (slash < 0)
            continue;
        const QStringView keySection = QStringView(value.key()).first(slash);
        const QStringView name = QStringView(value.key()).sliced(slash + 1);
        if (!IsPlainName(keySection) || !IsPlainName(name))
            continue;
        if (keySection != section) {
            if (!out.isEmpty())
                out += '\n';
            section = keySection.toString();
            out += '[' + section.toLatin1() + "]\n";
        }
        out += name.toLatin1() + '=' + EscapeValue(value.value().toString()) + '\n';
    }
    return device.write(out) == out.size();
}

} // namespace ProfileFormat
