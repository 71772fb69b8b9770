#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// How a viewer for compiled HTML help (.chm) is started on a help file.
struct ViewerStart
{
    QString program;
    QStringList arguments;
    QProcessEnvironment environment;
};

// Whether the C library can load the locale of this name ("zh_CN.UTF-8").
bool localeInstalled(const QString &name);

// The environment with every locale variable (LC_ALL, LC_*, LANG) naming a
// locale the machine has: one naming a missing locale is dropped, LANG is
// set to "C.UTF-8" instead. A viewer started with a missing locale greets
// the player with an English warning and its own start page.
QProcessEnvironment withInstalledLocales(QProcessEnvironment environment,
                                         const std::function<bool(const QString &)> &installed
                                         = localeInstalled);

// The first viewer installed (xchm, then kchmviewer), opened on the help
// file, which shows the file's first page; nothing when no viewer is
// installed. `findProgram` gives a program's path, or an empty text.
std::optional<ViewerStart> helpViewerStart(const QString &chmFile, const QProcessEnvironment &environment,
                                           const std::function<QString(const QString &)> &findProgram);

// What the player is told when no viewer is installed.
QString missingHelpViewerMessage();
