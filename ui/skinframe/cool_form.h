#pragma once

#include <QRegion>
#include <QtGlobal>

class QWidget;

// The drawn title bar and border of a skinned window: named picture pieces along the edges, a grey
// back colour, a rounded outline, and dragging by the title bar.
namespace cool_form {

// The back colour the frame pictures are drawn to join.
inline constexpr int BackGrey = 207;

// Adds the eleven frame pieces (imgTitleLeft ... imgTitleClose) to the window, each a QLabel of its
// picture size showing the picture of that name from the frame resources. The title text lblTitle is
// the window's own. Call before the window's other controls are made, so those lie above the frame.
void AddSkinFramePieces(QWidget* window);

// Places lblTitle and the pieces along the window's edges for its present size, gives the window the
// back colour and the title text as its caption, and rounds its corners.
void LayoutSkinFrame(QWidget* window);

// Clips the window to a rectangle of its size with corners rounded by a 24 x 24 ellipse.
void RoundWindowCorners(QWidget* window);

// The rounded outline for an outer size of W x H pixels, each rounded to the nearest whole pixel,
// a half to the even one.
QRegion RoundedWindowRegion(qreal W, qreal H);

// Hands the window to the window system's own move loop; false where the platform has none.
bool DragWindow(QWidget* window);

// A mouse press on handle drags window. Where the window system has no move loop of its own, the
// window follows the mouse until the button is released.
void MakeDragHandle(QWidget* handle, QWidget* window);

} // namespace cool_form
