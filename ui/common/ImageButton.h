#pragma once

#include <QLabel>

// A picture that acts as a button: it clicks on release over itself and can show a pressed look
// (a fixed single border) while the mouse button is down.
class ImageButton : public QLabel {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    void setPressedLook(bool enabled) { m_pressedLook = enabled; }
    // 0: no border, 1: fixed single border.
    void setBorderStyle(int style);
    int borderStyle() const { return frameShape() == QFrame::NoFrame ? 0 : 1; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressedLook = false;
};
