#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The splash window, shown while the program starts and while a list is read into the main window.
//
// The first time it is shown it gives Image1 its picture and emits loaded(). It opens no other
// window itself: whoever shows it decides what follows (at start-up, the library chooser). Close
// the splash after show() has returned, not from a slot of loaded(). Closing it deletes it, so
// create it with new.
class Logo : public QWidget {
    Q_OBJECT
public:
    explicit Logo(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Logo)

    // Sets the progress text of Label2 and paints it at once, before control returns to the event loop.
    void setProgressText(const QString& text);

    // The progress text the main window's load writes.
    static QString progressDots() { return QStringLiteral("...."); }

Q_SIGNALS:
    void loaded();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUpControls();

    QPixmap m_background;
    QLabel* m_Image1 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    bool m_loaded = false;
};
