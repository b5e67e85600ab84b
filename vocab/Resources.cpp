#include "vocab/Resources.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> LoadResData(const QString& name, const QString& type)
{
    if (name.isEmpty() || type.isEmpty())
        return std::nullopt;
    QFile resource(QStringLiteral(":/%1/%2").arg(type, name));
    if (!resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    return resource.readAll();
}

bool SaveFileFromRes(const QString& name, const QString& type, const QString& path)
{
    const auto bytes = LoadResData(name, type);
    if (!bytes)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
        return false;
    return file.commit();
}
