#pragma once

class QApplication;

// The program's start: returns the exit code of its event loop.
int Sub_Main(QApplication& app);
