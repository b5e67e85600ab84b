// Draws every picture TAVIK shows and writes them, with their resource collection, under a resources folder.
#include "AppIcon.h"
#include "ButtonIcons.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "Cursor.h"
#include "Frame.h"
#include "Logo.h"
#include "Pictures.h"
#include "Skins.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

std::vector<art::Asset> everyAsset()
{
    std::vector<art::Asset> all;
    auto add = [&all](std::vector<art::Asset> more) {
        all.insert(all.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    add(art::buttonIcons());
    add(art::appIcons());
    add(art::pictures());
    add(art::cursors());
    add(art::skins());
    add(art::logo());
    add(art::frame());
    return all;
}

int usage()
{
    QTextStream(stderr) << "usage: tavik-art <resources-dir>\n"
                           "       tavik-art --sheet <out.png> NAME...   (review page, not packaged)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();

    const std::vector<art::Asset> assets = everyAsset();
    if (args.first() == QStringLiteral("--sheet")) {
        if (args.size() < 3)
            return usage();
        return art::contactSheet(assets, args.mid(2)).save(args.at(1)) ? 0 : 1;
    }
    if (args.size() != 1)
        return usage();
    QString error;
    if (!art::writeAll(assets, args.first(), &error)) {
        QTextStream(stderr) << "tavik-art: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << "wrote " << assets.size() << " pictures and art.qrc to " << args.first() << '\n';
    return 0;
}
