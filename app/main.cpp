#include "app/Sub_Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return Sub_Main(app);
}
