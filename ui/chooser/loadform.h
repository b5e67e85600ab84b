#pragma once

#include "ui/chooser/loadformUi.h"

#include <QWidget>

#include <functional>

struct CatalogueEntry;
struct Context;

// The library chooser: the user picks a packaged list or the note file, or where the note file
// lives. A choice sets the drill state's current list, then the window announces it and closes.
class loadform : public QWidget {
    Q_OBJECT
public:
    explicit loadform(Context& context, QWidget* parent = nullptr);
    ~loadform() override;
    Q_DISABLE_COPY_MOVE(loadform)

    // The window's load: frame, note file, captions, cursors and system information.
    void load();

    // Asks the user for the note file's location; an empty answer means cancelled.
    using NotePathDialog = std::function<QString(QWidget* parent)>;
    void setNotePathDialog(NotePathDialog dialog);

    const loadformUi& ui() const { return m_ui; }

Q_SIGNALS:
    void listChosen(); // the drill state names the new list; the main window should load it
    void quitRequested();
    void helpRequested();

private:
    void captionButtons();
    void ShowSystemInfo();
    void onCommand(const CatalogueEntry& entry);
    void choosePackagedList(const QString& key);
    void Command16_Click();
    void Command25_Click();
    void announceChoice();

    Context& m_context;
    loadformUi m_ui;
    NotePathDialog m_notePathDialog;
};
