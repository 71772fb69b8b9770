#pragma once

// A million bets in the real main window, for the benchmarks of loading,
// converting and undoing at that size.
#include "app/u_main.h"
#include "support/fake_desktop.h"
#include "ui/clock.h"
#include "ui/file_edge.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

inline constexpr int kMillion = 1000000;

// The saved number file of a million different-looking bets of 七乐彩 (7 of
// 30), ascending and distinct as conversions make them.
inline std::string millionBetFile(std::uint32_t seed = 1)
{
    std::string text;
    text.reserve(static_cast<size_t>(kMillion) * 23);
    for (int row = 0; row < kMillion; ++row) {
        bool taken[31] = {};
        for (int k = 0; k < 7;) {
            seed = seed * 134775813u + 1u;
            const int number = static_cast<int>((static_cast<std::uint64_t>(seed) * 30) >> 32) + 1;
            if (!taken[number]) {
                taken[number] = true;
                ++k;
            }
        }
        for (int number = 1; number <= 30; ++number) {
            if (taken[number]) {
                text += static_cast<char>('0' + number / 10);
                text += static_cast<char>('0' + number % 10);
                text += ' ';
            }
        }
        text += "\r\n";
    }
    return text;
}

// The main window on a copy of the program folder whose 附属 holds that file,
// showing 七乐彩; the fake desktop answers its file dialogs.
struct MillionBetWindow
{
    explicit MillionBetWindow(FakeDesktop &fake)
        : desktop(fake)
    {
        std::filesystem::copy(KORVEL_DIST_DIR, dir.path().toStdString(),
                              std::filesystem::copy_options::recursive);
        file = dir.path() + QStringLiteral("/附属/million.txt");
        std::ofstream(nativePath(file), std::ios::binary) << millionBetFile();
        window = std::make_unique<Tfrmmain>(
            MainServices{desktop, clock, programFolder(dir.path() + QLatin1Char('/')), BannerSource{}});
        window->comcainame->setCurrentIndex(window->comcainame->findText(QStringLiteral("七乐彩")));
        window->comcainameClick();
    }

    // "加载号码" of the file, or of another one.
    void load() { load(file); }
    void load(const QString &name)
    {
        desktop.fileAnswers.push_back(name);
        window->btnloadClick();
    }
    // A second file of a million other bets, beside the first.
    QString otherFile()
    {
        const QString other = dir.path() + QStringLiteral("/附属/million2.txt");
        if (!QFile::exists(other))
            std::ofstream(nativePath(other), std::ios::binary) << millionBetFile(2);
        return other;
    }

    QTemporaryDir dir;
    QString file;
    FakeDesktop &desktop;
    SystemClock clock;
    std::unique_ptr<Tfrmmain> window;
};
