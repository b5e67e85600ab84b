#pragma once

#include "ui/main/mainFormUi.h"
#include "ui/tray/systemtray.h"

#include <QPixmap>
#include <QWidget>

struct Context;

// The main window: shows one entry of the current list at a time, drills through the list on a
// timer and keeps the list's position in the settings store at every change of entry.
class mainForm : public QWidget {
    Q_OBJECT
public:
    explicit mainForm(Context& context, QWidget* parent = nullptr);
    ~mainForm() override;
    Q_DISABLE_COPY_MOVE(mainForm)

    // Reads the list named by the drill state's word file and shows the saved entry.
    void load();

    // Shows entry n; true when selecting its row stored the position already.
    bool ShowEntry(int n);
    int currentIndex() const { return m_CurrentIndex; }
    const mainFormUi& ui() const { return m_ui; }
    // The background picture of the chosen skin; null for the plain window.
    const QPixmap& background() const { return m_background; }

    // The stop for the tray: the drill stops and the window goes to the tray (or, on a desktop
    // without a notification area, to the task bar).
    void stopForTray();
    bool hasTray() const;
    void restoreFromMenu();

    qint16 LastState = 0; // window state to restore from the tray

Q_SIGNALS:
    void loadStarted();  // the list is about to be read
    void loadFinished(); // the list is on display
    void unloaded();
    void changeListRequested(); // the chooser should come back; this window closes
    void helpRequested();
    void stripRequested();   // the mini strip should take over; this window hides
    void bigListRequested(); // the large list window should take over; this window closes

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Set-up and wiring.
    void SetUpMainWindow();
    void setUpCursors();
    void connectControls();
    void connectSettingsPanel();
    void setUpSkin();
    void chooseSkin(int skin);
    void setBackground(const QPixmap& picture);

    // The entry on display.
    void readWordFile();
    void showRestoredPosition();
    void setWord(const QString& text);
    void onList1Selection(int row);
    void Timer1_Timer();
    void Timer2_Timer();

    // Drill controls.
    void Image5_Click();
    void setDrillRunning(bool running, const QString& caption);
    void ShowSettingsPanel();
    void HideSettingsPanel();
    void Text1_Change();
    void Text2_Change();
    void Command1_Click();
    void Image15_Click();
    void Image4_Click();
    void Image12_Click();

    // The note file.
    void NoteKeyDown(int key);
    void NoteKeyUp(int key);
    // Ctrl adds to and Delete removes from the note file; true when the key did either.
    bool noteFileKeyDown(int key);
    void addToNote();
    void deleteFromNote();

    // Search and the word list.
    void Combo1_Change();
    void findNext();
    void Text3_Change();
    void scrollRowToTop(int row);

    Context& m_context;
    mainFormUi m_ui;
    systemtray m_tray;
    int m_CurrentIndex = 0;
    QString m_Rest;
    QString m_Phonetic;
    QPixmap m_background;
    int m_FlickerPick = 1;
    bool m_selectingFromShowEntry = false;
    bool m_endMessageOpen = false;
};
