#include "app/u_flash.h"
#include "ui/file_edge.h"

#include "cipher/aux_text_file.h"
#include "media/jpeg_image.h"
#include "ui/guard.h"
#include "ui/window_text.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

Tfrmflash::Tfrmflash(Desktop &desktop, ProgramFolder folder, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_desktop(desktop)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("frmflash"));
    setFixedSize(551, 337);

    Image1 = fixedLabel(this, "Image1", QString(), QRect(0, 0, 551, 337));
    Image1->setScaledContents(true);
    Label1 = fixedLabel(this, "Label1", QStringLiteral("Korvel自动选号器"), QRect(77, 72, 405, 44));
    styleLabel(Label1, QStringLiteral("隶书"), 44, Qt::red);
    captionLines(this,
                 {{&lblchuping, "lblchuping", "出品：", 160},
                  {&lblshiyong, "lblshiyong", "适用：所有彩票类型", 180},
                  {&lblweb, "lblweb", "官方网址：", 201},
                  {&lblqq, "lblqq", "QQ号码：", 222},
                  {&lblmail, "lblmail", "电子邮箱：", 243},
                  {&lblphone, "lblphone", "服务热线：", 264}},
                 144, 369, Qt::yellow);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    runGuarded(m_desktop, this, [this] { FormCreate(); });
}

void Tfrmflash::FormCreate()
{
    const AuxTextFile file(m_folder.flashText());
    lblchuping->setText(QString::fromStdString(file.caption(0)));
    // Line 2 is read and not used.
    QLabel *const later[] = {lblweb, lblqq, lblmail, lblphone};
    for (int i = 0; i < 4; ++i)
        later[i]->setText(QString::fromStdString(file.caption(i + 2)));

    Image1->setPixmap(QPixmap::fromImage(readJpeg(qPath(m_folder.splashPicture()))));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
}

void Tfrmflash::Timer1Timer()
{
    ++m_ticks;
    if (m_ticks >= 5)
        done(QDialog::Accepted);
}
