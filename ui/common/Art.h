#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Pictures carried in the program's resources, addressed by type and name ("ICON"/"SEARCH1").
namespace Art {

QPixmap picture(const QString& type, const QString& name);
QPixmap icon(const QString& name);
QIcon programIcon();
// The hand cursor of every clickable control (resource "MOUSEICON1").
QCursor handCursor();
// An icon used as a mouse cursor, as the search and start buttons do.
QCursor iconCursor(const QString& name);

} // namespace Art
