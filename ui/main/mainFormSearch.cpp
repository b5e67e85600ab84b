// Search, the word list's keys and the typing exercise.
#include "ui/main/mainForm.h"

#include "drill/Search.h"
#include "drill/Share.h"
#include "ui/common/Beep.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

void mainForm::Combo1_Change()
{
    const int found = findPrefixMatch(m_context.share, m_ui.Combo1->currentText());
    if (found > 0)
        ShowEntry(found);
    scrollRowToTop(m_CurrentIndex - 1);
}

void mainForm::scrollRowToTop(int row)
{
    // The entry found heads the visible rows, with those after it below.
    if (QListWidgetItem* item = m_ui.List1->item(row))
        m_ui.List1->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void mainForm::findNext()
{
    const int found = findNextMatch(m_context.share, m_CurrentIndex, m_ui.Combo1->currentText());
    if (found > 0)
        m_CurrentIndex = found;
    ShowEntry(m_CurrentIndex);
}

void mainForm::Text3_Change()
{
    if (typingMatches(m_ui.Text3->text(), m_ui.Label9->text()))
        return;
    m_ui.Text3->clear();
    for (int i = 0; i < 4; ++i)
        Beep::beep();
}

bool mainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool press = event->type() == QEvent::KeyPress;
    if (watched == m_ui.List1) {
        if (!press) {
            NoteKeyUp(key);
            return false;
        }
        // Holding Ctrl down would add the entry again with every repeat.
        if (keyEvent->isAutoRepeat() && key == Qt::Key_Control)
            return true;
        return noteFileKeyDown(key);
    }
    if (press) {
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == m_ui.Combo1) {
            findNext();
            return true;
        }
        if (enter && watched == m_ui.Text3) {
            m_ui.Text3->clear();
            return true;
        }
        if (!(keyEvent->isAutoRepeat() && key == Qt::Key_Control))
            NoteKeyDown(key);
    } else {
        NoteKeyUp(key);
    }
    // Arrow keys move through the list; the controls' own handling of them would only fight it.
    return key == Qt::Key_Up || key == Qt::Key_Down;
}
