#pragma once

class ImageButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

// The main window's controls, named as in the window design and placed at its pixel positions.
struct mainFormUi {
    ImageButton* Image1;     // search again
    QComboBox* Combo1;       // search box
    QListWidget* List1;      // one row per entry
    QLabel* Label9;          // the word
    ImageButton* Image12;    // speak
    QLabel* Label10;         // phonetic
    ImageButton* Image13;    // meaning toggle
    QPlainTextEdit* Label11; // the meaning
    QLabel* label14;
    QLineEdit* Text3; // typing exercise
    QLabel* Label2;   // entry number

    ImageButton* Image8;  // help
    ImageButton* Image15; // case toggle
    ImageButton* Image14; // delete from the note file
    ImageButton* Image7;  // add to the note file
    ImageButton* Image2;  // settings panel
    ImageButton* Image3;  // change the list
    ImageButton* Image4;  // meaning toggle
    ImageButton* Image5;  // start / pause / continue
    ImageButton* Image6;  // exit
    QLabel* Label17;
    QLabel* Label16;
    QLabel* Label15;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label7;

    ImageButton* Image18; // large list window
    ImageButton* Image17; // mini strip
    ImageButton* Image16; // to the tray

    QGroupBox* Frame2; // settings panel
    QLabel* Label13;
    ImageButton* Image10;
    ImageButton* Image9;
    ImageButton* Image11;
    QLabel* Label12;
    QLineEdit* Text1; // start number
    QPushButton* Command1;
    QLabel* Label3;
    QLineEdit* Text2; // interval
    QPushButton* Command2;

    QTimer* Timer1; // drill
    QTimer* Timer2; // word colour flicker

    QMenu* Sys;
    QAction* Sys_restore;
    QAction* Sys_minize;
    QAction* Sys_option;
    QAction* Sys_help;
    QAction* Sys_exit;

    void setupUi(QWidget* form);
};
