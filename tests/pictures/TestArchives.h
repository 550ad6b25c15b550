#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// ZIP archives the tests make for themselves.
namespace TestArchives {

struct Member {
    QByteArray name;
    QByteArray data;
    // When either is set the data is stored as it is, under this size and CRC instead of the true
    // ones, to make archives that lie about their members.
    std::optional<quint32> declaredSize = std::nullopt;
    std::optional<quint32> declaredCrc = std::nullopt;
};

bool WriteZip(const QString& path, const std::vector<Member>& members);

} // namespace TestArchives
