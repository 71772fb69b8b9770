#pragma once

class QCoreApplication;

// Makes the program Chinese whatever the machine's language: the locale
// (dates, numbers) and Qt's own texts (the standard file, print and message
// dialogs, their buttons, the menu of every text box). Returns whether Qt's
// Chinese translations were found; without them Qt's texts stay English.
bool speakChinese(QCoreApplication &application);

// Qt's file dialogs show file dates and sizes by the machine's locale, which
// Qt reads from the environment once, while the application is being made:
// this asks for Chinese ones ("2026/12/9 03:50", "350 字节") there. Call it
// before the QApplication exists.
void preferChineseFormats();

// The environment the program was started with, before it asked for
// Chinese formats for itself: what programs it starts (the help viewer)
// receive, since the machine may have no Chinese locale at all.
class QProcessEnvironment;
QProcessEnvironment startedEnvironment();
