#include "DesktopEntry.h"

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

QByteArray Text(const DesktopEntry& entry)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.0\n");
    text += "Name=" + EscapedValue(entry.name) + '\n';
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

} // namespace DesktopEntries
