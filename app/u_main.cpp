#include "app/u_main.h"

#include "app/banner_strip.h"
#include "app/box_geometry.h"
#include "app/compose/compose_window.h"
#include "app/history/history_window.h"
#include "app/u_about.h"
#include "app/u_index.h"
#include "app/vendor.h"
#include "base/app_error.h"
#include "catalogue/catalogue_store.h"
#include "engine/conversion.h"
#include "engine/methods.h"
#include "engine/option_lists.h"
#include "engine/prompts.h"
#include "engine/provenance.h"
#include "results/result_grid_model.h"
#include "ui/background_click.h"
#include "ui/click_label.h"
#include "ui/clock.h"
#include "ui/design_font.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "ui/radio_group.h"
#include "ui/screen_capture.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template<typename Entries>
void fillList(QComboBox *list, const Entries &entries, int defaultIndex)
{
    list->clear();
    for (const auto &entry : entries)
        list->addItem(QString::fromUtf8(entry));
    list->setCurrentIndex(defaultIndex);
    if (defaultIndex < 0)
        list->setEditText({});
}

// The page a click on the banner opens.
const char *const kAdvertisedPage = "http://partner.korvel.example/reg.aspx?u=20061";

const char *const kReadAgainHint
    = "\n\n彩票列表暂时为空。问题解决后，打开彩票列表或按“转换号码”即可重新读取，不必重新启动程序。";

} // namespace

Tfrmmain::Tfrmmain(MainServices services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(applicationTitle());
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    resize(685, 531);

    createControls();
    comcainame->onPick = [this] {
        if (!guarded([this] { comcainameClick(); }))
            showCurrentLottery();
    };
    comcainame->onOpen = [this] { guarded([this] { reloadEmptyCatalogue(); }); };
    // A name typed and left in the list is no pick: the list shows again
    // the lottery the boxes and the bets are for.
    comcainame->onLeave = [this] { showCurrentLottery(); };
    commode->onPick = [this] { guarded([this] { commodeClick(); }); };
    connectGuarded(m_services.desktop, btnadd, &QPushButton::clicked, this, &Tfrmmain::btnaddClick);
    connectGuarded(m_services.desktop, btnsave, &QPushButton::clicked, this, &Tfrmmain::btnsaveClick);
    connectGuarded(m_services.desktop, btnload, &QPushButton::clicked, this, &Tfrmmain::btnloadClick);
    connectGuarded(m_services.desktop, btnprint, &QPushButton::clicked, this, &Tfrmmain::btnprintClick);
    connectGuarded(m_services.desktop, btnclear, &QPushButton::clicked, this, &Tfrmmain::btnclearClick);
    connectGuarded(m_services.desktop, btnindex, &QPushButton::clicked, this, &Tfrmmain::btnindexClick);
    connectGuarded(m_services.desktop, btnabout, &QPushButton::clicked, this, &Tfrmmain::btnaboutClick);
    connectGuarded(m_services.desktop, btnhelp, &QPushButton::clicked, this, &Tfrmmain::btnhelpClick);
    connectGuarded(m_services.desktop, btnyanshi, &QPushButton::clicked, this, &Tfrmmain::btnyanshiClick);
    connectGuarded(m_services.desktop, btnclose, &QPushButton::clicked, this, &Tfrmmain::btncloseClick);
    Label6->onClick = [this] { guarded([this] { Label6Click(); }); };
    lblweb2->onClick = [this] { guarded([this] { lblweb2Click(); }); };
    imggif->onClick = [this] { guarded([this] { imggifClick(); }); };
    Panel1->onClick = [this] { guarded([this] { Panel1Click(); }); };
    new BackgroundClick(this, [this] { guarded([this] { FormClick(); }); });
    auto *preview = new QAction(QStringLiteral("打印预览…"), grdcode);
    preview->setObjectName(QStringLiteral("actPreview"));
    connectGuarded(m_services.desktop, preview, &QAction::triggered, this, &Tfrmmain::printPreview);
    grdcode->addAction(preview);
    grdcode->setContextMenuPolicy(Qt::ActionsContextMenu);
    createExtras();
    updateTabOrder();

    FormCreate();
}

Tfrmmain::~Tfrmmain()
{
    // Closing the window moves the focus out of the list while QWidget's
    // destructor runs, when this is no longer a Tfrmmain.
    comcainame->onLeave = nullptr;
}

bool Tfrmmain::guarded(const std::function<void()> &handler)
{
    return runGuarded(m_services.desktop, this, handler);
}

void Tfrmmain::FormCreate()
{
    const QDate today = m_services.clock.today();
    const DateDefaults defaults
        = dateDefaults(today.year(), today.month(), today.day(), m_services.clock.timeOfDay().hour());
    guarded([this] { pan->step(); });
    // Bets in the grid keep the lottery they were made for when the
    // start-up runs again after a lottery has been added.
    const std::optional<LotteryInfo> betsLottery
        = m_gridModel->grid().hasBets() ? std::optional(m_current) : std::nullopt;
    // A catalogue that fails is shown, but the option lists and the prompts
    // do not depend on it: they are filled whatever it did, so that the
    // window converts as soon as a lottery is current.
    const bool loaded = guarded([this, &betsLottery] {
        try {
            loadCatalogue();
        } catch (const AppError &error) {
            // A lock or a missing file may end while the program runs: the
            // player is told how to try again without a restart.
            if (comcainame->count() > 0)
                throw;
            throw AppError(std::string(error.what()) + kReadAgainHint);
        }
        if (betsLottery && *betsLottery != m_current) {
            selectListedName(betsLottery->name);
            applyLottery(*betsLottery);
        }
    });
    if (!loaded)
        showCurrentLottery();
    guarded([this, defaults] {
        fillOptionLists(defaults);
        commodeClick();
    });
}

void Tfrmmain::showCurrentLottery()
{
    if (m_hasLottery) {
        selectListedName(m_current.name);
        // The index may not have moved while the text line was typed over.
        if (comcainame->currentIndex() >= 0)
            comcainame->setEditText(comcainame->itemText(comcainame->currentIndex()));
    } else {
        comcainame->setCurrentIndex(-1);
        comcainame->setEditText({});
    }
}

void Tfrmmain::fillOptionLists(const DateDefaults &defaults)
{
    fillList(comxianhou, kArrangements, 0);
    fillList(comyingyang, kCalendars, 0);
    fillList(commaikai, kTimeModes, 0);
    fillList(comqizhong, kRoutes, 0);
    fillList(comnian, yearEntries(), defaults.year);
    fillList(comyuei, monthEntries(), defaults.month);
    fillList(comri, dayEntries(), defaults.day);
    fillList(comtime, hourEntries(), defaults.hour);
    fillList(comfangwei, kDirections, 0);
    fillList(commode, kMethodNames, 0);
}

void Tfrmmain::loadCatalogue(bool tellWhenEmpty)
{
    const CatalogueStore store(qPath(m_services.folder.catalogue()));
    const std::vector<CatalogueRow> rows = store.readAll();
    comcainame->clear();
    for (const CatalogueRow &row : rows)
        comcainame->addItem(row.name);
    if (rows.empty()) {
        // Nothing to select; the window opens so the player can add one.
        if (tellWhenEmpty)
            m_services.desktop.message(
                this, MessageKind::Information, windowTitle(),
                QStringLiteral("彩票数据库中还没有彩票，请先用“添加彩票”添加一种彩票。"));
        return;
    }
    comcainame->setCurrentIndex(0);
    applyLottery(lotteryFromRow(rows.front()));
}

bool Tfrmmain::reloadEmptyCatalogue()
{
    if (comcainame->count() > 0)
        return false;
    // A catalogue read but empty was told at the start; it is not told at
    // every press.
    try {
        loadCatalogue(false);
    } catch (const AppError &error) {
        throw AppError(std::string(error.what()) + kReadAgainHint);
    }
    if (m_hasLottery)
        commodeClick();
    return comcainame->count() > 0;
}

void Tfrmmain::applyLottery(const LotteryInfo &lottery)
{
    if (const auto problem = lotteryProblem(lottery))
        throw AppError(problem->message);
    m_current = lottery;
    m_hasLottery = true;
    const Lottery &numbers = lottery.lottery;
    optcaitype->setItemIndex(numbers.kind);
    // A back zone shows beside the front's figures: 33+16, 6+1.
    const auto figures = [&](int front, int back) {
        return numbers.hasBack() ? QStringLiteral("%1+%2").arg(front).arg(back) : QString::number(front);
    };
    edtcaisum->setText(figures(numbers.total, numbers.backTotal));
    edtcaisel->setText(figures(numbers.count, numbers.backCount));
    m_boxRowsHeight = extraBoxRowsHeight(numbers.numberCount(), grpcode->width(), 42);
    placeGrid();
    m_boxRow->reshape(numbers);
    updateTabOrder();
    if (m_historyWindow && m_historyWindow->isVisible())
        m_historyWindow->followLottery(m_current);
    if (m_composeWindow && m_composeWindow->isVisible())
        m_composeWindow->followLottery(m_current);
}

void Tfrmmain::comcainameClick()
{
    const CatalogueStore store(qPath(m_services.folder.catalogue()));
    const std::vector<CatalogueRow> rows = store.readAll();
    if (rows.empty())
        throw AppError("彩票数据库中没有彩票。");
    const CatalogueRow *chosen = pickedRow(rows, comcainame->currentText());
    const LotteryInfo before = m_current;
    applyLottery(lotteryFromRow(*chosen));
    replaceGrid({}, m_current.lottery.numberCount(), before);
    commode->setCurrentIndex(0);
    edtoricode->clear();
    commodeClick();
}

void Tfrmmain::showSelection(const LotteryInfo &lottery)
{
    selectListedName(lottery.name);
    applyLottery(lottery);
    commode->setCurrentIndex(0);
    edtoricode->clear();
    commodeClick();
}

void Tfrmmain::commodeClick()
{
    const MethodPrompt prompt = methodPrompt(commode->currentText().toStdString(), m_current.lottery);
    lbloricode->setText(QString::fromStdString(prompt.initialCaption));
    lbloricode->adjustSize();
    // Without a lottery there are no boxes to ask numbers for.
    grpcode->setTitle(m_hasLottery ? QString::fromStdString(prompt.boxesCaption)
                                   : QStringLiteral("原始号码："));
    for (QWidget *control : m_dateAndOptionSet)
        control->setVisible(!prompt.generalized);
    lbloricode->setVisible(prompt.generalized);
    edtoricode->setVisible(prompt.generalized);
}

void Tfrmmain::btnaddClick()
{
    if (!m_hasLottery) {
        // An empty list is one the start could not read: it is read now.
        const QString text
            = reloadEmptyCatalogue() && m_hasLottery
                  ? QStringLiteral("已重新读取彩票数据库，当前彩票为“%1”，请输入号码后再转换。")
                        .arg(m_current.name)
                  : QStringLiteral("请先选择彩票！");
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(), text);
        return;
    }
    ConversionRequest request;
    request.lottery = m_current.lottery;
    request.method = commode->currentText().toStdString();
    request.arrangement = comxianhou->currentText().toStdString();
    request.direction = comfangwei->currentText().toStdString();
    request.year = comnian->currentText().toStdString();
    request.month = comyuei->currentText().toStdString();
    request.day = comri->currentText().toStdString();
    request.hour = comtime->currentText().toStdString();
    request.initial = edtoricode->text().toStdString();
    request.boxes = m_boxRow->texts();

    const ConversionResult result = convert(request, m_draws);
    if (!result.accepted()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QString::fromStdString(result.refusal()));
        return;
    }
    m_gridModel->appendBet(m_current.lottery, result.value(), describeConversion(request));
    grdcode->setAllColumnWidths(resultColumnWidth(grdcode->width(), m_current.lottery.numberCount()));
    // The new bet in sight, however many rows stand above it.
    grdcode->scrollToBottom();
}

void Tfrmmain::btnclearClick()
{
    replaceGrid({}, m_current.lottery.numberCount(), m_current);
}

void Tfrmmain::btnindexClick()
{
    if (!m_frmindex)
        m_frmindex = new Tfrmindex(m_services.desktop, m_services.folder, this);
    if (m_services.desktop.runModal(m_frmindex) == QDialog::Accepted)
        FormCreate();
}

void Tfrmmain::btnaboutClick()
{
    if (!m_frmabout)
        m_frmabout = new Tfrmabout(m_services.desktop, m_services.folder, this);
    m_services.desktop.runModal(m_frmabout);
}

void Tfrmmain::btnyanshiClick()
{
    const QString program = qPath(m_services.folder.demoProgram());
    if (QFileInfo(program).isExecutable())
        m_services.desktop.startProgram(program);
}

void Tfrmmain::btncloseClick()
{
    close();
}

void Tfrmmain::closeEvent(QCloseEvent *event)
{
    if (!m_gridModel->hasUnsavedBets()) {
        event->accept();
        return;
    }
    const Desktop::Answer answer
        = m_services.desktop.ask(this, windowTitle(), QStringLiteral("转换后的号码尚未保存，是否保存？"),
                                 QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消"));
    if (answer == Desktop::Answer::Yes)
        guarded([this] { btnsaveClick(); });
    // A save that was cancelled or failed keeps the window and its bets.
    if (answer == Desktop::Answer::No || !m_gridModel->hasUnsavedBets())
        event->accept();
    else
        event->ignore();
}

void Tfrmmain::openVendorSite()
{
    m_services.desktop.openDocument(vendorHomeAddress());
}

void Tfrmmain::Label6Click()
{
    openVendorSite();
}

void Tfrmmain::lblweb2Click()
{
    openVendorSite();
}

void Tfrmmain::FormClick()
{
    ScreenCapture(this, m_services.desktop);
}

void Tfrmmain::imggifClick()
{
    m_services.desktop.openDocument(QString::fromLatin1(kAdvertisedPage));
}

void Tfrmmain::Panel1Click()
{
    pan->dismiss();
}
