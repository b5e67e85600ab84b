#pragma once

class QWidget;

// Puts a window in the middle of the available area of its screen (the primary one before it is shown).
void centreOnScreen(QWidget& window);
