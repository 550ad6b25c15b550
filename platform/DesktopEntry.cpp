#include "DesktopEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace {

bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool NeedsQuotes(const QString& argument)
{
    // The reserved characters, and "=", which an unquoted program path may not hold.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=");
    for (QChar c : argument) {
        if (reserved.contains(c))
            return true;
    }
    return argument.isEmpty();
}

QString Quoted(const QString& argument)
{
    QString out = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// The escaping every string value of the file gets, on top of any quoting.
QString EscapedValue(const QString& value)
{
    QString out;
    for (QChar c : value) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else
            out += c;
    }
    return out;
}

QString UnescapedValue(const QString& value)
{
    static const QHash<QChar, QChar> escapes = {{'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && escapes.contains(value[i + 1]))
            out += escapes.value(value[++i]);
        else
            out += value[i];
    }
    return out;
}

// The first argument of an unescaped Exec value: a quoted one up to its closing quote, with
// backslashes inside taken literally before the next character; else up to the first blank.
QString ExecProgram(const QString& exec)
{
    if (!exec.startsWith('"'))
        return exec.section(' ', 0, 0);
    QString program;
    for (qsizetype i = 1; i < exec.size() && exec[i] != '"'; ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size())
            ++i;
        program += exec[i];
    }
    return program;
}

// The Exec value for a program run without arguments, quoted and escaped as the file stores it.
QString ExecValue(const QString& program)
{
    return EscapedValue(NeedsQuotes(program) ? Quoted(program) : program);
}

} // namespace

namespace DesktopEntries {

bool CanCarry(const QString& path)
{
    for (QChar c : path) {
        if (IsControl(c) || c == '%')
            return false;
    }
    return !path.isEmpty();
}

namespace {

// "Key=value", or "Key[language]=value"; nothing for a value that is empty or cannot be carried.
QString KeyLine(const char* key, const QString& language, const QString& value)
{
    if (value.isEmpty() || !CanCarry(value))
        return {};
    const QString localised = language.isEmpty() ? QString() : '[' + language + ']';
    return QLatin1String(key) + localised + '=' + EscapedValue(value) + '\n';
}

QString TextLines(const DesktopEntryTexts& texts, const QString& language)
{
    return KeyLine("Name", language, texts.name) + KeyLine("GenericName", language, texts.genericName)
           + KeyLine("Comment", language, texts.comment);
}

} // namespace

QByteArray Text(const DesktopEntry& entry)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.0\n");
    text += "Name=" + EscapedValue(entry.name) + '\n';
    text += TextLines({QString(), entry.genericName, entry.comment}, QString());
    for (const auto& [language, texts] : entry.translations)
        text += TextLines(texts, language);
    text += "Exec=" + ExecValue(entry.program) + '\n';
    text += "TryExec=" + EscapedValue(entry.program) + '\n';
    text += "Icon=" + EscapedValue(entry.icon) + '\n';
    text += QStringLiteral("Categories=Game;\n");
    return text.toUtf8();
}

bool Write(const QString& path, const DesktopEntry& entry, FileKind kind)
{
    for (const QString& value : {entry.name, entry.program, entry.icon}) {
        if (!CanCarry(value))
            return false;
    }
    return WriteFileSafely(path, Text(entry), kind);
}

QStringList Programs(const QByteArray& text)
{
    QStringList programs;
    bool inEntryGroup = false;
    for (const QString& line : QString::fromUtf8(text).split('\n')) {
        if (line.startsWith('[')) {
            inEntryGroup = line.trimmed() == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntryGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        QString raw = line.mid(equals + 1);
        while (raw.startsWith(' '))
            raw.remove(0, 1);
        const QString value = UnescapedValue(raw);
        if (key == QStringLiteral("TryExec"))
            programs << value;
        else if (key == QStringLiteral("Exec"))
            programs << ExecProgram(value);
    }
    return programs;
}

QString UserMenuFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

QString UserDesktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QFileInfo info(desktop);
    if (desktop.isEmpty() || !info.isDir()
        || info.canonicalFilePath() == QFileInfo(QDir::homePath()).canonicalFilePath())
        return QString();
    return desktop;
}

} // namespace DesktopEntries
