// Draws the pictures of the demonstration's pages: the real main window, at
// each step of the example, with the controls of that step framed in red.
//   korvel-demo-pictures CATALOGUE FOLDER
// writes the pictures of the pages into the program folder FOLDER
// (图片/演示1.png … 演示5.png). Runs at build time on the offscreen platform;
// any message the window would show ends it with an error.
#include "app/chinese_ui.h"
#include "app/u_main.h"
#include "demo/demo_example.h"
#include "ui/clock.h"
#include "ui/file_edge.h"
#include "ui/qt_desktop.h"
#include "views/result_grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

// Nobody is there to answer a message box at build time.
class SilentDesktop : public QtDesktop
{
public:
    void message(QWidget *, MessageKind, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "korvel-demo-pictures: %s\n", text.toUtf8().constData());
        std::exit(1);
    }
};

void choose(QComboBox *list, const char *entry)
{
    list->setCurrentIndex(list->findText(QString::fromUtf8(entry)));
    emit list->activated(list->currentIndex());
}

void save(Tfrmmain &window, int page, std::initializer_list<QWidget *> marked, const ProgramFolder &folder)
{
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(220, 0, 0), 3));
    for (QWidget *control : marked) {
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        painter.drawRoundedRect(place.adjusted(-3, -3, 3, 3), 4, 4);
    }
    painter.end();
    const std::string file = folder.demoPicture(page);
    QDir().mkpath(qPath(file).section(QLatin1Char('/'), 0, -2));
    if (!picture.save(qPath(file), "PNG")) {
        std::fprintf(stderr, "korvel-demo-pictures: cannot write %s\n", file.c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: korvel-demo-pictures CATALOGUE FOLDER\n");
        return 2;
    }
    speakChinese(application);
    // A program folder of its own, so no banner of an earlier run shows.
    QTemporaryDir appDir;
    QDir().mkpath(appDir.filePath(QStringLiteral("数据库")));
    QFile::copy(QString::fromLocal8Bit(argv[1]), appDir.filePath(QStringLiteral("数据库/彩票数据.mdb")));
    const ProgramFolder folder(argv[2]);

    SilentDesktop desktop;
    SystemClock clock;
    Tfrmmain window({desktop, clock, programFolder(appDir.path()), {}});
    window.show();

    choose(window.comcainame, demo::kLottery);
    choose(window.comnian, demo::kYear);
    choose(window.comyuei, demo::kMonth);
    choose(window.comri, demo::kDay);
    choose(window.comtime, demo::kHour);
    save(window, 1, {window.grpcaipiao}, folder);

    const std::vector<QLineEdit *> &boxes = window.originalNumberBoxes();
    for (size_t i = 0; i < boxes.size() && i < demo::kOriginals.size(); ++i)
        boxes[i]->setText(QString::number(demo::kOriginals[i]));
    if (boxes.size() > demo::kOriginals.size())
        boxes[demo::kOriginals.size()]->setText(QString::number(demo::kBackOriginal));
    save(window, 2, {window.grpcode}, folder);

    choose(window.comxianhou, demo::kArrangement);
    choose(window.comfangwei, demo::kDirection);
    save(window, 3, {window.grpshikong, window.comxianhou}, folder);

    choose(window.commode, demo::kMethod);
    save(window, 4, {window.commode}, folder);

    window.btnadd->click();
    save(window, 5, {window.btnadd, window.grdcode}, folder);
    return 0;
}
