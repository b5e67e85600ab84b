#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "speech/SilentVoice.h"
#include "ui/common/Context.h"
#include "ui/main/mainForm.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// How long reading a large GBK list takes: decoding, parsing into the entry table, filling the
// word list, and the whole main-window load.
namespace {

QByteArray makeList()
{
    QString text;
    int line = 0;
    for (int entry = 1; line < 15000; ++entry) {
        if (entry % 100 == 1)
            text += QStringLiteral("list %1 abacus --- aloof\r\n").arg(entry / 100 + 1), ++line;
        text += QStringLiteral("word%1/E5bAndEn/vt. 放弃，遗弃；n. 放任，狂热 %1\r\n").arg(entry), ++line;
        if (entry % 2 == 0)
            text += QStringLiteral("w%1: give up (formal)\r\n").arg(entry), ++line;
    }
    QStringEncoder gbk("GBK");
    return gbk(text);
}

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray bytes = makeList();
    const QString path = dir.filePath(QStringLiteral("BIG"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    WordList list;
    const double decodeMs =
        medianMs(21, [&] { TextFile::splitLines(TextFile::decode(bytes, TextFile::Encoding::Gbk)); });
    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes, TextFile::Encoding::Gbk));
    const double parseMs = medianMs(21, [&] { list = readWordList(lines); });
    const double readMs = medianMs(21, [&] {
        QString error;
        list = readWordList(TextFile::readLines(path, &error)->lines);
    });
    const double fillMs = medianMs(11, [&] {
        QListWidget widget;
        widget.setUniformItemSizes(true);
        widget.addItems(list.rows);
    });

    SettingsStore settings(dir.filePath(QStringLiteral("bench.ini")));
    Share share;
    SilentVoice voice;
    Context context{share, settings, voice, dir.path() + u'/'};
    share.LibraryKey = QStringLiteral("BIG");
    share.WordFile = path;
    const double loadMs = medianMs(11, [&] {
        mainForm form(context);
        form.load();
    });

    std::printf("word list: %lld bytes, %lld lines, %d entries\n", static_cast<long long>(bytes.size()),
                static_cast<long long>(lines.size()), list.EntryEnd - 1);
    std::printf("  decode + split lines      %8.2f ms\n", decodeMs);
    std::printf("  parse into Words and rows %8.2f ms\n", parseMs);
    std::printf("  file read, decode, parse  %8.2f ms\n", readMs);
    std::printf("  fill List1                %8.2f ms\n", fillMs);
    std::printf("  whole mainForm load       %8.2f ms\n", loadMs);
    return 0;
}
