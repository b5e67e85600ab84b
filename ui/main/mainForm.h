#pragma once

#include "ui/main/mainFormUi.h"

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

    void ShowEntry(int n);
    int currentIndex() const { return m_CurrentIndex; }
    const mainFormUi& ui() const { return m_ui; }

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

private:
    void readWordFile();
    void showRestoredPosition();
    void setWord(const QString& text);
    void onList1Selection(int row);
    void Timer1_Timer();
    void Timer2_Timer();

    Context& m_context;
    mainFormUi m_ui;
    int m_CurrentIndex = 0;
    QString m_Rest;
    QString m_Phonetic;
    int m_FlickerPick = 1;
    bool m_selectingFromShowEntry = false;
    bool m_endMessageOpen = false;
};
