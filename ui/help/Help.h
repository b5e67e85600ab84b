#pragma once

#include <QWidget>

#include <functional>

class ImageButton;
class QLabel;
class QUrl;

// The help window: a short guide and the version date. There is at most one; it has no owner and
// blocks no other window. A click on its background, its heading or its guide closes it; a click
// on the mail line writes a mail and leaves it open.
class Help : public QWidget {
    Q_OBJECT
public:
    // Shows the help window, creating it if none is open, and brings it to the front. Closing the
    // window deletes it.
    static Help* showHelp();

    // The mail line hands its link to this instead of the desktop's mail program (tests). An
    // empty opener restores the desktop's.
    using UrlOpener = std::function<void(const QUrl& url)>;
    static void setUrlOpener(UrlOpener opener);

    Q_DISABLE_COPY_MOVE(Help)

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Help();
    void setUpControls();
    void Label3_Click();

    ImageButton* m_Label2 = nullptr;
    ImageButton* m_Label1 = nullptr;
    QLabel* m_Label5 = nullptr;
    QLabel* m_Image1 = nullptr;
    ImageButton* m_Label3 = nullptr;
    bool m_backgroundPressed = false;
};
