#include "ProfileFormat.h"

#include "ProfileLines.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
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
    if (const auto header = ProfileLines::HeaderName(line)) {
        // Values under a section we cannot name again are skipped with it.
        section = IsPlainName(*header) ? QString::fromLatin1(*header) : QString();
        return;
    }
    const auto value = ProfileLines::AsValue(line);
    if (value && !section.isEmpty() && IsPlainName(value->name))
        values.insert(section + '/' + QString::fromLatin1(value->name), UnescapeValue(value->value));
}

// An unchanged value keeps its line, unless the toolkit's own reader would take it for an object.
bool KeepsAsWritten(QByteArrayView written, const QString& value)
{
    return UnescapeValue(written) == value && (!value.startsWith('@') || written.trimmed().startsWith("@@"));
}

QByteArray ValueText(QStringView name, const QVariant& value)
{
    return name.toLatin1() + '=' + EscapeValue(value.toString());
}

// The line break a line ends with; none on a last line without one.
QByteArray LineBreak(const ProfileLines::Line& line)
{
    return line.whole.sliced(line.text.data() - line.whole.data() + line.text.size()).toByteArray();
}

void EndLine(QByteArray& out, const QByteArray& lineBreak)
{
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += lineBreak;
}

// Keys of a plain section and names are "Section/Name"; all of one section sort together.
QStringList KeysOf(const QSettings::SettingsMap& values, const QString& section)
{
    QStringList keys;
    const QString prefix = section + '/';
    for (auto it = values.lowerBound(prefix); it != values.cend() && it.key().startsWith(prefix); ++it) {
        if (IsPlainName(QStringView(it.key()).sliced(prefix.size())))
            keys << it.key();
    }
    return keys;
}

// Merges one block of a plain section: a header and the lines up to the next one.
class BlockMerger {
public:
    BlockMerger(const QSettings::SettingsMap& values, QSet<QString>& written, const QByteArray& lineBreak)
        : values_(values), written_(written), lineBreak_(lineBreak)
    {
    }

    // Values that are still wanted are kept as written, or rewritten in place when they changed;
    // values no longer wanted go; every other line stays. The section's last block also takes its
    // new values, after its last line that is not blank. A block left with nothing but blank lines,
    // because the game removed its values, goes with its header.
    QByteArray Merge(const QString& section, const std::vector<ProfileLines::Line>& lines, bool last)
    {
        QByteArray block = lines.front().whole.toByteArray();
        qsizetype contentEnd = block.size();
        bool kept = false, dropped = false;
        for (size_t i = 1; i < lines.size(); ++i) {
            const auto value = ProfileLines::AsValue(lines[i].text);
            if (value && IsPlainName(value->name)) {
                const QString key = section + '/' + QString::fromLatin1(value->name);
                const auto wanted = values_.constFind(key);
                if (wanted == values_.cend() || written_.contains(key)) {
                    dropped = true;
                    continue;
                }
                written_.insert(key);
                block += KeepsAsWritten(value->value, wanted->toString())
                             ? lines[i].whole.toByteArray()
                             : ValueText(QStringView(key).sliced(section.size() + 1), *wanted) + LineBreak(lines[i]);
            } else {
                block += lines[i].whole;
                if (ProfileLines::IsBlank(lines[i].text))
                    continue;
            }
            kept = true;
            contentEnd = block.size();
        }
        if (last) {
            QByteArray added;
            for (const QString& key : KeysOf(values_, section)) {
                if (!written_.contains(key)) {
                    written_.insert(key);
                    added += ValueText(QStringView(key).sliced(section.size() + 1), values_[key]) + lineBreak_;
                }
            }
            if (!added.isEmpty()) {
                QByteArray head = block.first(contentEnd);
                EndLine(head, lineBreak_);
                block = head + added + block.sliced(contentEnd);
                kept = true;
            }
        }
        return kept || !dropped ? block : QByteArray();
    }

private:
    const QSettings::SettingsMap& values_;
    QSet<QString>& written_;
    QByteArray lineBreak_;
};

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
    const QByteArray data = device.readAll();
    if (data.size() > MaxFileBytes)
        return true;
    QString section;
    for (const ProfileLines::Line& line : ProfileLines::Split(data))
        ReadLine(line.text, section, values);
    return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& values)
{
    // The toolkit writes a new file beside the old one and names the old one here; what the game
    // does not understand in it is carried over. A file too large to read whole is left as it is.
    QByteArray old;
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (file && QFileInfo::exists(file->fileName()) && !ReadWithinLimit(file->fileName(), &old))
        return false;
    const QByteArray out = Merged(old, values);
    return device.write(out) == out.size();
}

QByteArray Merged(QByteArrayView old, const QSettings::SettingsMap& values)
{
    const std::vector<ProfileLines::Line> lines = ProfileLines::Split(old);
    const QByteArray lineBreak = !lines.empty() && lines.front().whole.endsWith("\r\n") ? "\r\n" : "\n";
    QHash<QString, size_t> lastHeader;  // the line of each plain section's last header
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto header = ProfileLines::HeaderName(lines[i].text);
        if (header && IsPlainName(*header))
            lastHeader[QString::fromLatin1(*header)] = i;
    }
    QSet<QString> written;
    BlockMerger merger(values, written, lineBreak);
    QByteArray out;
    bool oursLast = false;  // whether the file ends with a section of the game's
    for (size_t start = 0; start < lines.size();) {
        size_t end = start + 1;
        while (end < lines.size() && !ProfileLines::HeaderName(lines[end].text))
            ++end;
        const auto header = ProfileLines::HeaderName(lines[start].text);
        const std::vector<ProfileLines::Line> block(lines.begin() + qsizetype(start), lines.begin() + qsizetype(end));
        if (header && IsPlainName(*header)) {
            const QString section = QString::fromLatin1(*header);
            const QByteArray merged = merger.Merge(section, block, lastHeader[section] == start);
            out += merged;
            oursLast = oursLast || !merged.isEmpty();
        } else {
            for (const ProfileLines::Line& line : block)  // lines before any header, or a section we cannot name
                out += line.whole;
            oursLast = false;
        }
        start = end;
    }
    // Sections the file did not have yet follow, a blank line between them and after one of the
    // game's; right after the person's own lines, so that taking them out again restores those.
    QString section;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const qsizetype slash = value.key().indexOf('/');
        if (written.contains(value.key()) || slash < 0)
            continue;
        const QStringView keySection = QStringView(value.key()).first(slash);
        const QStringView name = QStringView(value.key()).sliced(slash + 1);
        if (!IsPlainName(keySection) || !IsPlainName(name))
            continue;
        if (keySection != section) {
            EndLine(out, lineBreak);
            if ((oursLast || !section.isEmpty()) && !ProfileLines::IsBlank(ProfileLines::Split(out).back().text))
                out += lineBreak;
            section = keySection.toString();
            out += '[' + section.toLatin1() + ']' + lineBreak;
        }
        out += ValueText(name, value.value()) + lineBreak;
    }
    return out;
}

QByteArray WithoutSections(QByteArrayView text, const QList<QByteArray>& sections)
{
    QByteArray out;
    bool removing = false;
    for (const ProfileLines::Line& line : ProfileLines::Split(text)) {
        if (const auto header = ProfileLines::HeaderName(line.text))
            removing = sections.contains(*header);
        // A byte order mark in front of a removed first line stays.
        out += removing ? line.whole.first(line.text.data() - line.whole.data()) : line.whole;
    }
    return out;
}

bool HoldsOnlyBlankLines(QByteArrayView text)
{
    const std::vector<ProfileLines::Line> lines = ProfileLines::Split(text);
    return std::all_of(lines.begin(), lines.end(), [](const auto& line) { return ProfileLines::IsBlank(line.text); });
}

bool ReadWithinLimit(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return false;
    // Asked for the limit at once, the read would reserve all of it however small the file is.
    *bytes = file.read(file.size() + 1);
    while (bytes->size() <= MaxFileBytes && !file.atEnd() && file.error() == QFileDevice::NoError)
        bytes->append(file.read(64 * 1024));  // the file grew while it was read
    return file.error() == QFileDevice::NoError && bytes->size() <= MaxFileBytes;
}

Removal RemoveSections(const QString& path, const QList<QByteArray>& sections)
{
    QByteArray bytes;
    if (!ReadWithinLimit(path, &bytes))
        return Removal::Untouched;
    const QByteArray kept = WithoutSections(bytes, sections);
    if (kept == bytes)
        return Removal::Untouched;
    if (HoldsOnlyBlankLines(kept))
        return QFile::remove(path) ? Removal::Deleted : Removal::Untouched;
    // Written beside the old file and renamed over it, keeping its permissions.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size() && file.commit();
    return saved ? Removal::Rewritten : Removal::Untouched;
}

} // namespace ProfileFormat
