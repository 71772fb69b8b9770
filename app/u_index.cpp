#include "app/u_index.h"

#include "catalogue/catalogue_store.h"
#include "catalogue/lottery_info.h"
#include "ui/background_click.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/group_frame.h"
#include "ui/guard.h"
#include "ui/radio_group.h"
#include "ui/screen_capture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

// The designed client area, and what the back zone's check box and fields
// add below it.
constexpr int kWidth = 168;
constexpr int kDesignedHeight = 198;
constexpr int kCheckBoxHeight = 24;
// The designed row of the buttons, and the room kept above and below them
// when they move below the back zone's fields.
constexpr int kButtonsTop = 160;
constexpr int kButtonsGap = 13;

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
    setFixedSize(kWidth, kDesignedHeight + kCheckBoxHeight);

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
    chkhouqu = placed(new QCheckBox(QStringLiteral("有后区"), this), "chkhouqu", 16, 194, 137, 20);
    Label6 = placed(new QLabel(QStringLiteral("后区名称："), this), "Label6", 16, 222);
    edthouquname = placed(new QLineEdit(this), "edthouquname", 16, 238, 137, 21);
    Label7 = placed(new QLabel(QStringLiteral("后区总数："), this), "Label7", 16, 266);
    edthouqusum = placed(new QLineEdit(this), "edthouqusum", 16, 282, 57, 21);
    Label8 = placed(new QLabel(QStringLiteral("后区个数："), this), "Label8", 96, 266);
    edthouqusel = placed(new QLineEdit(this), "edthouqusel", 96, 282, 57, 21);
    showBackFields(false);
    connect(chkhouqu, &QCheckBox::toggled, this, &Tfrmindex::showBackFields);

    setTabOrder(edtcainame, optcaitype);
    setTabOrder(optcaitype, edtcaisum);
    setTabOrder(edtcaisum, edtcaisel);

    connect(btnadd, &QPushButton::clicked, this,
            [this] { runGuarded(m_desktop, this, [this] { btnaddClick(); }); });
    connect(btnext, &QPushButton::clicked, this, [this] { btnextClick(); });
    new BackgroundClick(this, [this] { runGuarded(m_desktop, this, [this] { FormClick(); }); });
}

void Tfrmindex::refuse(const QString &message)
{
    m_desktop.message(this, MessageKind::Error, QStringLiteral("错误"), message);
}

void Tfrmindex::showBackFields(bool shown)
{
    for (QWidget *field :
         std::initializer_list<QWidget *>{Label6, edthouquname, Label7, edthouqusum, Label8, edthouqusel})
        field->setVisible(shown);
    // The buttons end the dialog: below the back zone's fields while they
    // show, and the keyboard reaches them last, as it reads.
    const int top = shown ? edthouqusel->geometry().bottom() + 1 + kButtonsGap : kButtonsTop;
    btnadd->move(16, top);
    btnext->move(96, top);
    const std::vector<QWidget *> order
        = shown ? std::vector<QWidget *>{edtcaisel,   chkhouqu, edthouquname, edthouqusum,
                                         edthouqusel, btnadd,   btnext}
                : std::vector<QWidget *>{edtcaisel, btnadd, btnext, chkhouqu};
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    setFixedSize(kWidth, shown ? top + btnadd->height() + kButtonsGap : kDesignedHeight + kCheckBoxHeight);
}

void Tfrmindex::btnaddClick()
{
    const LotteryForm form{edtcainame->text(),  optcaitype->itemIndex(), edtcaisum->text(),
                           edtcaisel->text(),   chkhouqu->isChecked(),   edthouquname->text(),
                           edthouqusum->text(), edthouqusel->text()};
    if (const auto refusal = addFieldsProblem(form))
        return refuse(QString::fromStdString(refusal->message));

    // A name already in the catalogue is reported as such, whatever the
    // counts hold.
    const QString exists = QStringLiteral("该彩票名称已经存在，请输入其他票名称！");
    const CatalogueStore store(qPath(m_folder.catalogue()));
    for (const CatalogueRow &row : store.readAll()) {
        if (row.name == form.name)
            return refuse(exists);
    }

    const auto checked = lotteryToAdd(form);
    if (!checked.accepted())
        return refuse(QString::fromStdString(checked.refusal()));
    const LotteryInfo &lottery = checked.value();
    // Checked again while appending: another program may have added the
    // name meanwhile.
    if (!store.appendIfNew(lottery))
        return refuse(exists);
    // The notice stands over the open dialog, which closes once it is confirmed.
    m_desktop.message(this, MessageKind::Plain, QStringLiteral("彩票操作"), QStringLiteral("成功添加彩票！"));
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
