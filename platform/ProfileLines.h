#pragma once

#include <QByteArrayView>
#include <optional>
#include <vector>

// The profile's file as lines, for edits that must leave every byte they do not change as it was.
namespace ProfileLines {

struct Line {
    QByteArrayView whole;  // every byte of the line, its line break and a leading byte order mark included
    QByteArrayView text;   // without them
};

// Every byte of `data` in exactly one line; a line ends at "\n", "\r\n" or a lone "\r".
std::vector<Line> Split(QByteArrayView data);

// The name between the brackets when `text` is a section header ("[Name]", spaces around allowed).
std::optional<QByteArrayView> HeaderName(QByteArrayView text);

// "Name=value", spaces around the name allowed; not a comment and not a header.
struct ValueLine {
    QByteArrayView name;
    QByteArrayView value;  // as written, escapes and quotes included
};
std::optional<ValueLine> AsValue(QByteArrayView text);

bool IsBlank(QByteArrayView text);

} // namespace ProfileLines
