#pragma once

#include <QLabel>

// A label for the system-information lines. Each line ends in a line feed followed by a carriage
// return; the text keeps both, but the carriage return is not drawn as a blank opening the next line.
class SysInfoLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
