#include "Catalogue.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <map>

namespace art {

namespace {

QString relativePath(const Asset& asset)
{
    return asset.folder + QLatin1Char('/') + asset.name +
           (asset.jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
}

bool writeImage(const Asset& asset, const QString& path, QString* error)
{
    QImageWriter writer(path, asset.jpeg ? "jpeg" : "png");
    if (asset.jpeg) {
        writer.setQuality(90);
        writer.setOptimizedWrite(true);
    } else {
        // Qt takes PNG compression on a 0-100 scale; the highest keeps the committed files small.
        writer.setCompression(100);
    }
    // A fixed resolution keeps the files the same whichever screen the tool happens to see.
    QImage image = asset.image;
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    if (writer.write(image))
        return true;
    *error = path + QStringLiteral(": ") + writer.errorString();
    return false;
}

bool writeCollection(const std::vector<Asset>& assets, const QString& path, QString* error)
{
    std::map<QString, std::vector<const Asset*>> byPrefix;
    for (const Asset& asset : assets)
        byPrefix[asset.prefix].push_back(&asset);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<!-- Written by tools/art; regenerate rather than edit. -->\n<RCC version=\"1.0\">\n";
    for (const auto& [prefix, members] : byPrefix) {
        out << "    <qresource prefix=\"/" << prefix << "\">\n";
        for (const Asset* asset : members)
            out << "        <file alias=\"" << asset->name << "\">" << relativePath(*asset) << "</file>\n";
        out << "    </qresource>\n";
    }
    out << "</RCC>\n";
    out.flush();
    if (file.commit())
        return true;
    *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace

bool writeAll(const std::vector<Asset>& assets, const QString& resourceDir, QString* error)
{
    const QDir root(resourceDir);
    for (const Asset& asset : assets) {
        if (!root.mkpath(asset.folder)) {
            *error = root.filePath(asset.folder) + QStringLiteral(": cannot create folder");
            return false;
        }
        if (!writeImage(asset, root.filePath(relativePath(asset)), error))
            return false;
    }
    return writeCollection(assets, root.filePath(QStringLiteral("art.qrc")), error);
}

} // namespace art
