#pragma once

#include "../support/app_dir.h"
#include "../support/fake_clock.h"
#include "../support/fake_desktop.h"
#include "app/u_main.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

// A main window on a temporary program folder, with a fake desktop and clock.
class MainWindowTest : public ::testing::Test
{
protected:
    Tfrmmain &open();

    // A player's pick from a list: open it and click the entry.
    static void pick(QComboBox *list, const QString &entry);
    static void pickAt(QComboBox *list, int index);
    static QStringList items(const QComboBox *list);
    // Types text, Chinese included, into the focused part of a control.
    static void typeText(QWidget *control, const QString &text);
    std::vector<QLineEdit *> visibleBoxes() const;
    // The cells of one row of the result grid, joined by single spaces.
    static std::string cells(const Tfrmmain &w, int row);

    FakeDesktop desktop;
    FakeClock clock;
    BannerSource banner; // no address by default: no network at all
    TestAppDir dir;
    std::unique_ptr<Tfrmmain> window;
};
