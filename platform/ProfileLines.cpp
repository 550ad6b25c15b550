#include "ProfileLines.h"

namespace ProfileLines {

std::vector<Line> Split(QByteArrayView data)
{
    std::vector<Line> lines;
    const QByteArrayView bom = data.startsWith("\xEF\xBB\xBF") ? data.first(3) : QByteArrayView();
    for (qsizetype start = 0; start < data.size();) {
        const qsizetype textStart = start == 0 ? bom.size() : start;
        qsizetype end = textStart;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < data.size())
            next += data[next] == '\r' && next + 1 < data.size() && data[next + 1] == '\n' ? 2 : 1;
        lines.push_back({data.sliced(start, next - start), data.sliced(textStart, end - textStart)});
        start = next;
    }
    return lines;
}

std::optional<QByteArrayView> HeaderName(QByteArrayView text)
{
    text = text.trimmed();
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return close < 0 ? text.sliced(1) : text.sliced(1, close - 1);
}

std::optional<ValueLine> AsValue(QByteArrayView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text[0] == ';' || text[0] == '#' || text[0] == '[')
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return ValueLine{text.first(equals).trimmed(), text.sliced(equals + 1)};
}

bool IsBlank(QByteArrayView text)
{
    return text.trimmed().isEmpty();
}

} // namespace ProfileLines
