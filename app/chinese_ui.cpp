#include "app/chinese_ui.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>

namespace {

// The values the two variables had before preferChineseFormats, or nothing
// when they were unset; filled once, before the program's threads start.
struct StartedValue
{
    const char *name;
    bool changed = false;
    bool wasSet = false;
    QByteArray value;
};
StartedValue startedValues[] = {{"LC_TIME", false, false, {}}, {"LC_MESSAGES", false, false, {}}};

} // namespace

void preferChineseFormats()
{
    for (StartedValue &started : startedValues) {
        if (started.changed)
            continue;
        started.changed = true;
        started.wasSet = qEnvironmentVariableIsSet(started.name);
        started.value = qgetenv(started.name);
        qputenv(started.name, "zh_CN.UTF-8");
    }
}

QProcessEnvironment startedEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const StartedValue &started : startedValues) {
        if (!started.changed)
            continue;
        const QString name = QString::fromLatin1(started.name);
        if (started.wasSet)
            environment.insert(name, QString::fromLocal8Bit(started.value));
        else
            environment.remove(name);
    }
    return environment;
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
