#include "ui/help_viewer.h"

QProcessEnvironment withInstalledLocales(QProcessEnvironment environment,
                                         const std::function<bool(const QString &)> &installed)
{
    const QLatin1String fallback("C.UTF-8");
    for (const QString &key : environment.keys()) {
        const bool localeVariable = key == QLatin1String("LANG") || key.startsWith(QLatin1String("LC_"));
        const QString value = environment.value(key);
        // An empty value means "not set" to the C library.
        if (!localeVariable || value.isEmpty() || installed(value))
            continue;
        if (key == QLatin1String("LANG") && installed(fallback))
            environment.insert(key, fallback);
        else
            environment.remove(key);
    }
    return environment;
}

std::optional<ViewerStart> helpViewerStart(const QString &chmFile, const QProcessEnvironment &environment,
                                           const std::function<QString(const QString &)> &findProgram)
{
    for (const QLatin1String viewer : {QLatin1String("xchm"), QLatin1String("kchmviewer")}) {
        const QString program = findProgram(viewer);
        if (!program.isEmpty())
            return ViewerStart{program, {chmFile}, environment};
    }
    return std::nullopt;
}

QString missingHelpViewerMessage()
{
    return QStringLiteral("无法打开使用帮助：这台电脑上没有查看 .chm 帮助文件的程序。\n\n"
                          "请安装 xchm（例如在终端中输入 sudo apt install xchm），然后再点“使用帮助”。");
}
