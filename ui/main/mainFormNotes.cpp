// The main window's keys shared by its input controls, and the note-file buttons.
#include "ui/main/mainForm.h"

#include "drill/NoteFile.h"
#include "drill/Share.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"

#include <QListWidget>

void mainForm::NoteKeyDown(int key)
{
    const Share& share = m_context.share;
    const int row = m_ui.List1->currentRow();
    if (key == Qt::Key_Up && row != 0) {
        m_CurrentIndex = row;
        ShowEntry(m_CurrentIndex);
    } else if (key == Qt::Key_Down && m_CurrentIndex < share.lastEntry()) {
        m_CurrentIndex = row + 2;
        ShowEntry(m_CurrentIndex);
    } else {
        noteFileKeyDown(key);
    }
}

bool mainForm::noteFileKeyDown(int key)
{
    const Share& share = m_context.share;
    if (key == Qt::Key_Control && share.SourceKind != Share::NoteFileSource) {
        addToNote();
        m_ui.Image7->setBorderStyle(1);
        return true;
    }
    if (key == Qt::Key_Delete && share.SourceKind == Share::NoteFileSource && !share.isEmpty() && m_CurrentIndex != 0) {
        m_ui.Image14->setBorderStyle(1);
        deleteFromNote();
        return true;
    }
    return false;
}

void mainForm::NoteKeyUp(int key)
{
    const Share& share = m_context.share;
    if (key == Qt::Key_Control && share.SourceKind != Share::NoteFileSource)
        m_ui.Image7->setBorderStyle(0);
    else if (key == Qt::Key_Delete && share.SourceKind == Share::NoteFileSource && !share.isEmpty())
        m_ui.Image14->setBorderStyle(0);
}

void mainForm::addToNote()
{
    QString error;
    if (!AddToNote(m_context.share, m_CurrentIndex, &error))
        MessageBox::information(this, QStringLiteral("The entry could not be added to the note file.\n%1").arg(error));
}

void mainForm::deleteFromNote()
{
    // Only an entry on display can go; position 0 (after the end of the list) shows none.
    if (m_CurrentIndex < 1 || m_CurrentIndex > m_context.share.lastEntry())
        return;
    QString error;
    if (!DeleteFromNote(m_context.share, m_CurrentIndex, &error)) {
        MessageBox::information(this,
                                QStringLiteral("The entry could not be removed from the note file.\n%1").arg(error));
        return;
    }
    {
        const QSignalBlocker blocker(m_ui.List1);
        delete m_ui.List1->takeItem(m_CurrentIndex - 1);
        m_ui.List1->setCurrentRow(-1);
    }
    // The entry that moved into the deleted place is shown; after the last one, the new last.
    m_CurrentIndex = std::min(m_CurrentIndex, m_context.share.lastEntry());
    ShowEntry(m_CurrentIndex);
}
