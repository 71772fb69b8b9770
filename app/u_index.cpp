#include "app/u_index.h"

#include "ui/background_click.h"
#include "catalogue/catalogue_store.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/group_caption.h"
#include "ui/guard.h"
#include "ui/radio_group.h"
#include "ui/screen_capture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template<typename T>
T *placed(T *widget, const char *name, int x, int y, int width = -1, int height = -1)
{
    widget->setObjectName(QLatin1String(name));
    if (width < 0) {
        widget->move(x, y);
        widget->adjustSize();
    } else {
        widget->setGeometry(x, y, width, height);
    }
    return widget;
}

} // namespace

Tfrmindex::Tfrmindex(Desktop &desktop, ProgramFolder folder, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("frmindex"));
    setWindowTitle(QStringLiteral("彩票操作"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(168, 198);

    Label2 = placed(new QLabel(QStringLiteral("彩票名称："), this), "Label2", 16, 10);
    edtcainame = placed(new QLineEdit(this), "edtcainame", 16, 26, 137, 21);
    optcaitype = placed(new RadioGroup({QStringLiteral("乐透型"), QStringLiteral("数字型")}, 2, this),
                        "optcaitype", 16, 56, 137, 41);
    optcaitype->setTitle(QStringLiteral("彩票类型："));
    putCaptionOnFrame(optcaitype);
    optcaitype->setItemIndex(0);
    Label4 = placed(new QLabel(QStringLiteral("号码总数："), this), "Label4", 16, 104);
    edtcaisum = placed(new QLineEdit(this), "edtcaisum", 16, 120, 57, 21);
    Label5 = placed(new QLabel(QStringLiteral("号码个数："), this), "Label5", 96, 104);
    edtcaisel = placed(new QLineEdit(this), "edtcaisel", 96, 120, 57, 21);
    btnadd = placed(new QPushButton(QStringLiteral("添加彩票"), this), "btnadd", 16, 160, 57, 25);
    btnext = placed(new QPushButton(QStringLiteral("关闭"), this), "btnext", 96, 160, 57, 25);
    for (QPushButton *button : {btnadd, btnext})
        button->setAutoDefault(false);

    setTabOrder(edtcainame, optcaitype);
    setTabOrder(optcaitype, edtcaisum);
    setTabOrder(edtcaisum, edtcaisel);
    setTabOrder(edtcaisel, btnadd);
    setTabOrder(btnadd, btnext);

    connect(btnadd, &QPushButton::clicked, this, [this] { runGuarded(m_desktop, this, [this] { btnaddClick(); }); });
    connect(btnext, &QPushButton::clicked, this, [this] { btnextClick(); });
    new BackgroundClick(this, [this] { runGuarded(m_desktop, this, [this] { FormClick(); }); });
}

void Tfrmindex::refuse(const QString &message)
{
    m_desktop.message(this, MessageKind::Error, QStringLiteral("错误"), message);
}

void Tfrmindex::btnaddClick()
{
    const QString name = edtcainame->text();
    if (const auto refusal = addFieldsProblem(name, edtcaisum->text(), edtcaisel->text()))
        return refuse(*refusal);

    // A name already in the catalogue is reported as such, whatever the
    // counts hold.
    const QString exists = QStringLiteral("该彩票名称已经存在，请输入其他票名称！");
    const CatalogueStore store(qPath(m_folder.catalogue()));
    for (const CatalogueRow &row : store.readAll()) {
        if (row.name == name)
            return refuse(exists);
    }

    const auto checked = lotteryToAdd(name, optcaitype->itemIndex(), edtcaisum->text(), edtcaisel->text());
    if (const auto *refusal = std::get_if<QString>(&checked))
        return refuse(*refusal);
    const LotteryInfo &lottery = std::get<LotteryInfo>(checked);
    // Checked again while appending: another program may have added the
    // name meanwhile.
    if (!store.appendIfNew(lottery))
        return refuse(exists);
    // The notice stands over the open dialog, which closes once it is confirmed.
    m_desktop.message(this, MessageKind::Plain, QStringLiteral("彩票操作"),
                      QStringLiteral("成功添加彩票！"));
    accept();
}

void Tfrmindex::btnextClick()
{
    reject();
}

void Tfrmindex::FormClick()
{
    ScreenCapture(this, m_desktop);
}
