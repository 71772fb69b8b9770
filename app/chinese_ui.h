#pragma once

class QCoreApplication;

// Makes the program Chinese whatever the machine's language: the locale
// (dates, numbers) and Qt's own texts (the standard file, print and message
// dialogs, their buttons, the menu of every text box). Returns whether Qt's
// Chinese translations were found; without them Qt's texts stay English.
bool speakChinese(QCoreApplication &application);
