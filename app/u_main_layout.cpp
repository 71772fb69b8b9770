// The controls of the main window at their design places.
#include "app/banner_strip.h"
#include "app/u_main.h"
#include "app/vendor.h"
#include "engine/methods.h"
#include "media/jpeg_image.h"
#include "results/result_grid_model.h"
#include "ui/click_label.h"
#include "ui/design_font.h"
#include "ui/file_edge.h"
#include "ui/group_frame.h"
#include "ui/radio_group.h"
#include "ui/window_text.h"
#include "views/result_grid_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

template<typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *result = named(new QLabel(text, parent), name);
    result->setTextFormat(Qt::PlainText);
    result->move(x, y);
    result->adjustSize();
    return result;
}

// A list whose drop-down is made, and measured, when it first opens rather
// than with the window. Long entries (the routes of 起点终点) are told apart
// in it by their whole text: the popup is as wide as its longest entry,
// however narrow the list.
template<typename List>
class OnDemandList : public List
{
public:
    using List::List;

    void showPopup() override
    {
        showEveryEntry(this);
        QAbstractItemView *popup = this->view();
        popup->setTextElideMode(Qt::ElideNone);
        int width = popup->sizeHintForColumn(0) + 2 * popup->frameWidth();
        // A list cut short by the screen gets a scroll bar too: its room is kept.
        width += popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, popup);
        popup->setMinimumWidth(width);
        List::showPopup();
    }
};

template<typename List = QComboBox>
List *comboBox(QWidget *parent, const char *name, int x, int y, int width)
{
    auto *result = named(new OnDemandList<List>(parent), name);
    // Editable through a text line of its own: setEditable would also build
    // the drop-down list and a completer over the entries, both thrown away
    // or not needed before the list first opens, and together the dearest
    // part of building the window. The completer given to the line only
    // keeps the list from making its own; typed text stays as typed: no
    // completion, no new items on Enter.
    auto *line = new QLineEdit(result);
    line->setCompleter(new QCompleter(line));
    result->setLineEdit(line);
    result->setCompleter(nullptr);
    result->setInsertPolicy(QComboBox::NoInsert);
    result->setGeometry(x, y, width, 21);
    // The closed list shows where a text begins.
    QObject::connect(result, &QComboBox::currentIndexChanged, result,
                     [result] { result->lineEdit()->setCursorPosition(0); });
    return result;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, int x, int y, int width)
{
    auto *result = named(new QLineEdit(parent), name);
    result->setGeometry(x, y, width, 21);
    return result;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int width = 75)
{
    auto *result = named(new QPushButton(text, parent), name);
    result->setGeometry(x, y, width, 25);
    result->setAutoDefault(false);
    return result;
}

QGroupBox *group(QWidget *parent, const char *name, int x, int y, int width, int height)
{
    auto *result = named(new QGroupBox(parent), name);
    result->setGeometry(x, y, width, height);
    plainFrame(result);
    return result;
}

} // namespace

void Tfrmmain::createControls()
{
    Label1 = label(this, "Label1", QStringLiteral("Korvel自动选号器"), 12, 10);
    QFont titleFont = designFont(QStringLiteral("黑体"), 33);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    Label1->setFont(titleFont);
    setTextColour(Label1, Qt::red);
    Label1->adjustSize();

    Label6 = named(new ClickLabel(QStringLiteral("官网："), this), "Label6");
    Label6->move(480, 27);
    Label6->adjustSize();
    lblweb2 = named(new ClickLabel(vendorDisplayAddress(), this), "lblweb2");
    lblweb2->setGeometry(519, 24, 134, 16);
    QFont linkFont = lblweb2->font();
    linkFont.setPixelSize(13);
    lblweb2->setFont(linkFont);
    for (ClickLabel *link : {Label6, lblweb2}) {
        setTextColour(link, Qt::blue);
        link->setCursor(Qt::PointingHandCursor);
    }

    createLotteryGroup();
    createOptionGroup();
    createDateGroup();

    grpcode = group(this, "grpcode", 12, 272, 441, 42);
    grpcode->setTitle(QStringLiteral("原始号码："));
    putCaptionOnFrame(grpcode);
    m_boxRow = new NumberBoxRow(
        grpcode, [this] { return commode->currentText().toStdString() == kGeneralizedMethod; });
    m_boxRow->onConvert = [this] { btnadd->click(); };
    Label2 = label(this, "Label2", QStringLiteral("转换后的号码："), 12, 320);
    m_gridModel = new ResultGridModel(this);
    m_steps = std::make_unique<GridSteps>(*m_gridModel);
    grdcode = named(new ResultGridView(m_gridModel, this), "grdcode");
    grdcode->setGeometry(12, 336, 441, 153);

    imglogo = named(new QLabel(this), "imglogo");
    imglogo->setGeometry(472, 48, 193, 177);
    imglogo->setScaledContents(true);
    imglogo->setPixmap(QPixmap::fromImage(storedJpeg(QStringLiteral(":/pictures/logo-main.jpg"))));

    createButtonGroups();

    // The banner strip lies over the title while it is shown.
    // The program starts the first download before the splash; without one
    // the window starts its own.
    std::shared_ptr<BannerFetch> fetch = m_services.bannerFetch;
    if (!fetch)
        fetch = std::make_shared<BannerFetch>(m_services.banner, m_services.folder.bannerFile());
    pan = new BannerStrip(std::move(fetch), qPath(m_services.folder.bannerFile()), this);
    imggif = pan->picture();
    Panel1 = pan->closer();
}

void Tfrmmain::createLotteryGroup()
{
    grpcaipiao = group(this, "grpcaipiao", 12, 48, 441, 73);
    lblcainame = label(grpcaipiao, "lblcainame", QStringLiteral("选择彩票："), 16, 16);
    comcainame = comboBox<PickList>(grpcaipiao, "comcainame", 16, 32, 105);
    Label3 = label(grpcaipiao, "Label3", QStringLiteral("彩票类型："), 128, 12);
    optcaitype = named(new RadioGroup({QStringLiteral("乐透型"), QStringLiteral("数字型")}, 2, grpcaipiao),
                       "optcaitype");
    optcaitype->setGeometry(128, 24, 137, 32);
    optcaitype->setItemIndex(0);
    optcaitype->setEnabled(false);
    Label4 = label(grpcaipiao, "Label4", QStringLiteral("号码总数："), 280, 16);
    edtcaisum = lineEdit(grpcaipiao, "edtcaisum", 280, 32, 49);
    edtcaisum->setText(QStringLiteral("10"));
    edtcaisum->setEnabled(false);
    Label5 = label(grpcaipiao, "Label5", QStringLiteral("号码个数："), 368, 16);
    edtcaisel = lineEdit(grpcaipiao, "edtcaisel", 376, 32, 49);
    edtcaisel->setText(QStringLiteral("3"));
    edtcaisel->setEnabled(false);
}

void Tfrmmain::createOptionGroup()
{
    grpgaigua = group(this, "grpgaigua", 12, 128, 441, 65);
    lblbagua = label(grpgaigua, "lblbagua", QStringLiteral("八卦选项："), 16, 10);
    comxianhou = comboBox(grpgaigua, "comxianhou", 16, 28, 81);
    lblyingyang = label(grpgaigua, "lblyingyang", QStringLiteral("阳历阴历："), 104, 10);
    comyingyang = comboBox(grpgaigua, "comyingyang", 104, 28, 73);
    lbltimemode = label(grpgaigua, "lbltimemode", QStringLiteral("时间模式："), 192, 10);
    commaikai = comboBox(grpgaigua, "commaikai", 192, 28, 73);
    lbladdress = label(grpgaigua, "lbladdress", QStringLiteral("起点终点："), 280, 10);
    comqizhong = comboBox(grpgaigua, "comqizhong", 280, 28, 145);
}

void Tfrmmain::createDateGroup()
{
    grpshikong = group(this, "grpshikong", 12, 200, 441, 65);
    lblnian = label(grpshikong, "lblnian", QStringLiteral("年"), 19, 12);
    comnian = comboBox(grpshikong, "comnian", 16, 28, 60);
    lblyuei = label(grpshikong, "lblyuei", QStringLiteral("月"), 85, 12);
    comyuei = comboBox(grpshikong, "comyuei", 83, 28, 41);
    lblri = label(grpshikong, "lblri", QStringLiteral("日"), 132, 12);
    comri = comboBox(grpshikong, "comri", 130, 28, 41);
    lbltime = label(grpshikong, "lbltime", QStringLiteral("时"), 182, 12);
    comtime = comboBox(grpshikong, "comtime", 178, 28, 49);
    lblfangwei = label(grpshikong, "lblfangwei", QStringLiteral("方位："), 240, 12);
    comfangwei = comboBox(grpshikong, "comfangwei", 240, 28, 49);
    Label8 = label(grpshikong, "Label8", QStringLiteral("修正方法："), 304, 12);
    commode = comboBox<PickList>(grpshikong, "commode", 304, 28, 121);
    lbloricode = label(grpshikong, "lbloricode", QStringLiteral("初始号码："), 16, 10);
    edtoricode = lineEdit(grpshikong, "edtoricode", 16, 28, 54);
    lbloricode->hide();
    edtoricode->hide();

    m_dateAndOptionSet
        = {comxianhou, comyingyang, commaikai,   comqizhong, comnian, comyuei, comri, comtime, comfangwei,
           lblbagua,   lblyingyang, lbltimemode, lbladdress, lblnian, lblyuei, lblri, lbltime, lblfangwei};
}

void Tfrmmain::createButtonGroups()
{
    GroupBox1 = group(this, "GroupBox1", 472, 232, 193, 129);
    btnadd = button(GroupBox1, "btnadd", QStringLiteral("转换号码"), 14, 20);
    btnsave = button(GroupBox1, "btnsave", QStringLiteral("保存号码"), 14, 54);
    btnload = button(GroupBox1, "btnload", QStringLiteral("加载号码"), 14, 88);
    btnprint = button(GroupBox1, "btnprint", QStringLiteral("打印号码"), 102, 20);
    btnclear = button(GroupBox1, "btnclear", QStringLiteral("清除表格"), 102, 54);
    btnindex = button(GroupBox1, "btnindex", QStringLiteral("添加彩票"), 102, 88);

    GroupBox2 = group(this, "GroupBox2", 472, 376, 193, 113);
    btnhelp = button(GroupBox2, "btnhelp", QStringLiteral("使用帮助"), 14, 46);
    btnabout = button(GroupBox2, "btnabout", QStringLiteral("关于"), 14, 75);
    btnyanshi = button(GroupBox2, "btnyanshi", QStringLiteral("软件演示"), 104, 46, 73);
    btnclose = button(GroupBox2, "btnclose", QStringLiteral("关闭"), 104, 75, 73);
}

void Tfrmmain::updateTabOrder()
{
    std::vector<QWidget *> chain{grdcode};
    chain.insert(chain.end(), m_boxRow->boxes().begin(), m_boxRow->boxes().end());
    const std::initializer_list<QWidget *> rest{
        comcainame, optcaitype,  edtcaisum,  edtcaisel,                                // grpcaipiao
        comxianhou, comyingyang, commaikai,  comqizhong,                               // grpgaigua
        edtoricode, comnian,     comfangwei, comyuei,    comri,     commode,  comtime, // grpshikong
        btnadd,     btnsave,     btnload,    btnprint,   btnindex,  btnclear,          // GroupBox1
        btnhistory, btncompose,  btnhelp,    btnabout,   btnyanshi, btnclose,          // GroupBox2
        Panel1,                                                                        // pan
    };
    chain.insert(chain.end(), rest.begin(), rest.end());
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void Tfrmmain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // The outer size, frame included, is 685 × 531, centred on the screen.
    const QSize frame = frameGeometry().size() - size();
    m_designSize = QSize(685, 531) - frame;
    resize(m_designSize);
    if (QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(685 / 2, 531 / 2));
    }
    // The keyboard order starts at the grid.
    grdcode->setFocus(Qt::OtherFocusReason);
}

void Tfrmmain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeGrid();
}

void Tfrmmain::placeGrid()
{
    // A larger window gives its room to the grid; the groups of buttons and
    // the logo keep their place beside it. Below the design size everything
    // stays where it is designed to be.
    const int wider = std::max(0, width() - m_designSize.width());
    const int taller = std::max(0, height() - m_designSize.height());
    const int gridWidth = grdcode->width();
    // Boxes too many for one row take rows of the grid's height.
    grpcode->resize(441, 42 + m_boxRowsHeight);
    Label2->move(12, 320 + m_boxRowsHeight);
    grdcode->setGeometry(12, 336 + m_boxRowsHeight, 441 + wider, 153 + taller - m_boxRowsHeight);
    imglogo->move(472 + wider, 48);
    GroupBox1->move(472 + wider, 232);
    GroupBox2->move(472 + wider, 376);
    // The columns of a filled grid share its new width.
    const ResultGrid &grid = m_gridModel->grid();
    if (grdcode->width() != gridWidth && !grid.cell(0, 0).empty())
        grdcode->setAllColumnWidths(resultColumnWidth(grdcode->width(), grid.columnCount() - 1));
}
