#include "ui/skinframe/cool_form.h"

#include "ui/common/Art.h"
#include "ui/common/ImageButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainterPath>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace cool_form {

namespace {

constexpr int PieceWidth = 19;
constexpr int PieceHeight = 30;
constexpr int ButtonSize = 13;
constexpr int CornerEllipse = 24;

void addPiece(QWidget* window, QLabel* piece, const QString& name, QSize size, bool stretched)
{
    piece->setParent(window);
    piece->setObjectName(name);
    piece->resize(size);
    piece->setPixmap(Art::picture(QStringLiteral("FRAME"), name));
    piece->setScaledContents(stretched);
}

// Moves the named child; a size component of 0 keeps the child's own.
void place(QWidget* window, const char* name, int left, int top, int width = 0, int height = 0)
{
    auto* child = window->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!child)
        return;
    child->setGeometry(left, top, width > 0 ? width : child->width(), height > 0 ? height : child->height());
}

class DragHandle : public QObject {
public:
    DragHandle(QWidget* handle, QWidget* window)
        : QObject(handle)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            m_following = !DragWindow(m_window);
            m_offset = press->globalPosition().toPoint() - m_window->pos();
            return true;
        }
        case QEvent::MouseMove:
            if (!m_following)
                break;
            m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_offset);
            return true;
        case QEvent::MouseButtonRelease:
            m_following = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    bool m_following = false;
    QPoint m_offset;
};

} // namespace

void AddSkinFramePieces(QWidget* window)
{
    const QSize piece(PieceWidth, PieceHeight);
    const QSize button(ButtonSize, ButtonSize);
    // Later pieces lie above earlier ones: the corner ends over the stretched bar, the buttons on top.
    addPiece(window, new QLabel, QStringLiteral("imgTitleMain"), piece, true);
    addPiece(window, new QLabel, QStringLiteral("imgTitleLeft"), piece, false);
    addPiece(window, new QLabel, QStringLiteral("imgTitleRight"), piece, false);
    addPiece(window, new QLabel, QStringLiteral("imgWindowLeft"), piece, true);
    addPiece(window, new QLabel, QStringLiteral("imgWindowRight"), piece, true);
    addPiece(window, new QLabel, QStringLiteral("imgWindowBottom"), piece, true);
    addPiece(window, new QLabel, QStringLiteral("imgWindowBottomLeft"), piece, false);
    addPiece(window, new QLabel, QStringLiteral("imgWindowBottomRight"), piece, false);
    addPiece(window, new ImageButton, QStringLiteral("imgTitleHelp"), button, false);
    addPiece(window, new ImageButton, QStringLiteral("imgTitleMinimize"), button, false);
    addPiece(window, new ImageButton, QStringLiteral("imgTitleClose"), button, false);
}

void LayoutSkinFrame(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(BackGrey, BackGrey, BackGrey));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    if (const auto* title = window->findChild<QLabel*>(QStringLiteral("lblTitle")))
        window->setWindowTitle(title->text());

    const int W = window->width();
    const int H = window->height();
    place(window, "lblTitle", 16, 7);
    place(window, "imgTitleLeft", 0, 0);
    place(window, "imgTitleRight", W - 19, 0);
    place(window, "imgTitleMain", 19, 0, W - 19);
    place(window, "imgWindowLeft", 0, 30, 0, H - 60);
    place(window, "imgWindowBottomLeft", 0, H - 30);
    place(window, "imgWindowBottom", 19, H - 30, W - 38);
    place(window, "imgWindowBottomRight", W - 19, H - 30);
    place(window, "imgWindowRight", W - 19, 30, 0, H - 60);
    place(window, "imgTitleClose", W - 22, 8);
    place(window, "imgTitleMinimize", W - 39, 8);
    place(window, "imgTitleHelp", W - 56, 8);
    RoundWindowCorners(window);
}

QRegion RoundedWindowRegion(qreal W, qreal H)
{
    // nearbyint rounds in the default mode, to nearest with a half to even.
    const qreal w = std::nearbyint(W);
    const qreal h = std::nearbyint(H);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), CornerEllipse / 2.0, CornerEllipse / 2.0);
    return QRegion(outline.toFillPolygon().toPolygon());
}

void RoundWindowCorners(QWidget* window)
{
    window->setMask(RoundedWindowRegion(window->width(), window->height()));
}

bool DragWindow(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

void MakeDragHandle(QWidget* handle, QWidget* window)
{
    handle->installEventFilter(new DragHandle(handle, window));
}

} // namespace cool_form
