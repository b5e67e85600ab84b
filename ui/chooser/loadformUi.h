#pragma once

#include "vocab/Catalogue.h"

#include <QString>

#include <array>

class ImageButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The library chooser's controls, named as in the window design and placed at its pixel positions.
struct loadformUi {
    QLabel* lblTitle;
    QGroupBox* Frame1;
    QLabel* Label6; // motto
    QLabel* Label7;
    ImageButton* Label8; // the project's web page
    ImageButton* Label9; // the download page
    QLabel* Label5;      // version line
    QLabel* Label4;      // heading of the system information
    QLabel* Label2;      // platform and version lines
    QLabel* Label3;      // boot-mode lines
    std::array<QPushButton*, CatalogueSize> Commands;

    // The button Command<number>, 1 to 25.
    QPushButton* Command(int number) const { return Commands.at(static_cast<std::size_t>(number - 1)); }

    void setupUi(QWidget* form);
};

namespace ChooserLinks {
// The project's pages. example.org stands in for the project's own address, which it does not have
// yet; the links stay harmless either way.
inline const QString HomePage = QStringLiteral("www.example.org/tavik");
inline const QString DownloadSiteName = QStringLiteral("example.org 下载");
inline const QString DownloadPage = QStringLiteral("https://www.example.org/tavik/download");
} // namespace ChooserLinks
