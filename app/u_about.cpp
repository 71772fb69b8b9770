#include "app/u_about.h"
#include "ui/file_edge.h"

#include "cipher/aux_text_file.h"
#include "media/jpeg_image.h"
#include "ui/guard.h"
#include "ui/window_text.h"

#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// A rounded rectangle, silver with a teal border, behind the labels.
class RoundedShape : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 128, 128), 2));
        painter.setBrush(QColor(192, 192, 192));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12, 12);
    }
};

} // namespace

Tfrmabout::Tfrmabout(Desktop &desktop, ProgramFolder folder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_desktop(desktop)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("关于本程序"));
    setFixedSize(405, 207);

    Shape1 = new RoundedShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(8, 8, 233, 192);
    Label1 = fixedLabel(this, "Label1", QStringLiteral("Korvel自动选号器"), QRect(16, 17, 217, 23));
    styleLabel(Label1, QStringLiteral("华文中宋"), 20, Qt::red);
    Label2 = fixedLabel(this, "Label2", QStringLiteral("2.0版"), QRect(152, 41, 0, 0));
    styleLabel(Label2, QStringLiteral("华文中宋"), 20, Qt::red);
    Label2->adjustSize();
    captionLines(this,
                 {{&lblauthor, "lblauthor", "作者：", 55},
                  {&lblbanquan, "lblbanquan", "版权所有：", 72},
                  {&lblweb, "lblweb", "网址：", 102},
                  {&lblqq, "lblqq", "QQ号码：", 119},
                  {&lblphone2, "lblphone2", "手机：", 136},
                  {&lblphone1, "lblphone1", "服务电话：", 153},
                  {&lblmail, "lblmail", "邮件:", 170}},
                 23, 209, Qt::blue);
    Image1 = fixedLabel(this, "Image1", QString(), QRect(256, 15, 137, 145));
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(storedJpeg(QStringLiteral(":/pictures/logo-about.jpg"))));
    btnclose = new QPushButton(QStringLiteral("关闭"), this);
    btnclose->setObjectName(QStringLiteral("btnclose"));
    btnclose->setGeometry(274, 172, 105, 25);
    btnclose->setDefault(true);
    connect(btnclose, &QPushButton::clicked, this, [this] { btncloseClick(); });

    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    runGuarded(m_desktop, this, [this] { FormCreate(); });
}

void Tfrmabout::FormCreate()
{
    const AuxTextFile file(m_folder.aboutText());
    QLabel *const order[] = {lblauthor, lblbanquan, lblweb, lblqq, lblphone1, lblphone2, lblmail};
    for (int i = 0; i < 7; ++i)
        order[i]->setText(QString::fromStdString(file.caption(i)));
}

void Tfrmabout::btncloseClick()
{
    accept();
}
