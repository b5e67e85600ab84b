#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Data carried inside the program, addressed by type and name ("DIC"/"GRE1", "JPG"/"SKIN2").
std::optional<QByteArray> LoadResData(const QString& name, const QString& type);

// Writes the resource's bytes to the file, replacing it. False on any failure, which leaves no
// partial file behind.
bool SaveFileFromRes(const QString& name, const QString& type, const QString& path);
