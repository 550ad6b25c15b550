// An image-format plugin that leaves the file $TILORA_PLUGIN_MARK the moment it is loaded.
#include <QFile>
#include <QImageIOPlugin>

static const bool Marked = QFile(QFile::decodeName(qgetenv("TILORA_PLUGIN_MARK"))).open(QIODevice::WriteOnly);

class MarkPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "MarkPlugin.json")
public:
    Capabilities capabilities(QIODevice*, const QByteArray&) const override { return {}; }
    QImageIOHandler* create(QIODevice*, const QByteArray&) const override { return nullptr; }
};

#include "MarkPlugin.moc"
