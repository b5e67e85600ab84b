#include "ui/help/HelpText.h"

namespace HelpText {

namespace {

const QString kWindowsNotePath = QStringLiteral("C:\\taviknote.txt");

} // namespace

QStringList guideLines()
{
    return {QStringLiteral("1. 可以设定自动浏览时间间隔，也可手动浏览"),
            QStringLiteral(""),
            QStringLiteral("2. 方向键，向上，向下，可以向前、后随时滚动单词"),
            QStringLiteral(""),
            QStringLiteral("3. 可将不熟悉的单词添加到 笔记本(默认是“C:\\taviknote.txt)"),
            QStringLiteral("        "),
            QStringLiteral("   按下 Ctrl 键，或者点击 "),
            QStringLiteral("         "),
            QStringLiteral("   用户也可以利用笔记本这个功能，将自己的单词添加到笔记本"),
            QStringLiteral("   具体方法，下一版本将说明，如急需可来信告知 "),
            QStringLiteral("   可从笔记本中删除单词，快捷键为“Delete”  "),
            QStringLiteral("   "),
            QStringLiteral("4. 可以记录背单词进度"),
            QStringLiteral(""),
            QStringLiteral("5. 不用时可以最小化到任务栏TrayIcon区，并同时自动暂停"),
            QStringLiteral(""),
            QStringLiteral("6. 可以最小化为一个悬浮窗口在桌面最顶"),
            QStringLiteral("   可以最大化"),
            QStringLiteral(""),
            QStringLiteral("7. 可查询单词"),
            QStringLiteral(""),
            QStringLiteral("8. 支持语音")};
}

QString guide(const QString& defaultNotePath)
{
    QStringList lines = guideLines();
    if (defaultNotePath.compare(kWindowsNotePath, Qt::CaseInsensitive) != 0)
        lines[4].replace(kWindowsNotePath, defaultNotePath);
    return lines.join(QStringLiteral("\r\n"));
}

QString heading()
{
    return QStringLiteral("使用说明：");
}

QString versionLine()
{
    return QStringLiteral("2003年1月15日 0.003稳定版");
}

QString mailAddress()
{
    return QStringLiteral("tavik@example.org");
}

QString mailLine()
{
    return QStringLiteral("如果您有单词本需要添加，请Mail to: ") + mailAddress() + QStringLiteral("   谢谢使用！");
}

QUrl mailUrl()
{
    return QUrl(QStringLiteral("mailto:") + mailAddress());
}

} // namespace HelpText
