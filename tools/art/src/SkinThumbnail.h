#pragma once

#include <QImage>

namespace art {

// A 160 x 120 picture of the main window: the skin (or plain white when `skin` is null) with the window's
// list, word, meaning box and button row sketched on, bold enough to read when squeezed into an 81 x 49 button.
QImage skinThumbnail(const QImage* skin);

} // namespace art
