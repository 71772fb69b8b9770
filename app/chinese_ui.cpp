#include "app/chinese_ui.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void preferChineseFormats()
{
    qputenv("LC_TIME", "zh_CN.UTF-8");
    qputenv("LC_MESSAGES", "zh_CN.UTF-8");
}

bool speakChinese(QCoreApplication &application)
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    // "qt" gathers the catalogues of every Qt module the program uses.
    auto *translator = new QTranslator(&application);
    if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
