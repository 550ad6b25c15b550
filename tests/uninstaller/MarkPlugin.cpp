// An image-format plugin that leaves a mark file (named by $TILORA_PLUGIN_MARK) the moment it is
// loaded, before any of its code is asked for: planted where a program must not read plugins from.
#include <QFile>
#include <QImageIOPlugin>

namespace {

const bool Marked = [] {
    QFile mark(QFile::decodeName(qgetenv("TILORA_PLUGIN_MARK")));
    return mark.open(QIODevice::WriteOnly);
}();

} // namespace

class MarkPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "MarkPlugin.json")
public:
    Capabilities capabilities(QIODevice*, const QByteArray&) const override { return {}; }
    QImageIOHandler* create(QIODevice*, const QByteArray&) const override { return nullptr; }
};

#include "MarkPlugin.moc"
