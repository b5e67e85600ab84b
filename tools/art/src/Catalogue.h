#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

// One finished picture and where it goes: `folder`/`name`.png or .jpg under the resources directory, and
// `prefix`/`name` in the resource collection.
struct Asset {
    QString folder;
    QString prefix;
    QString name;
    QImage image;
    bool jpeg = false;
};

// Writes every asset under `resourceDir` and the resource collection naming them; false with `error` set on the
// first failure.
bool writeAll(const std::vector<Asset>& assets, const QString& resourceDir, QString* error);

} // namespace art
