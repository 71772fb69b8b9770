// The yardsticks of the start-up: a program linked to Qt Widgets and
// nothing else, started like the program and ended at the first paint of
//   korvel-bare-qt window    a plain window of the main window's size
//   korvel-bare-qt picture   a frameless window of the splash's size showing
//                            a picture
//   korvel-bare-qt label     a plain window showing one Chinese label, to
//                            tell the cost of the fonts apart
//   korvel-bare-qt splash    the picture window with a Chinese label on it,
//                            the floor of the splash
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaint firstPaint;
    const char *mode = argc >= 2 ? argv[1] : "window";
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "picture") == 0 || std::strcmp(mode, "splash") == 0) {
        QPixmap picture(551, 337);
        QPainter painter(&picture);
        QLinearGradient shade(0, 0, 551, 337);
        shade.setColorAt(0, Qt::darkBlue);
        shade.setColorAt(1, Qt::darkRed);
        painter.fillRect(picture.rect(), shade);
        painter.end();
        auto *label = new QLabel(nullptr, Qt::FramelessWindowHint | Qt::Dialog);
        label->setPixmap(picture);
        label->setFixedSize(551, 337);
        if (std::strcmp(mode, "splash") == 0) {
            auto *words = new QLabel(QStringLiteral("出品：Korvel软件工作室\n适用：所有彩票类型"), label);
            words->setGeometry(130, 150, 380, 120);
        }
        window.reset(label);
    } else if (std::strcmp(mode, "label") == 0) {
        window = std::make_unique<QLabel>(QStringLiteral("Korvel自动选号器：请输入6个1--33范围内数字"));
        window->resize(685, 531);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(685, 531);
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return application.exec();
}
