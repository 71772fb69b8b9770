#pragma once

#include "app/banner_strip.h"
#include "app/grid_steps.h"
#include "app/number_box_row.h"
#include "base/program_folder.h"
#include "catalogue/lottery_info.h"
#include "engine/draw_generator.h"
#include "media/banner_fetch.h"
#include "results/result_grid_model.h"
#include "results/save_name.h"
#include "ui/pick_list.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

struct DateDefaults;
struct FileDialogRequest;
class Clock;
class ClickLabel;
class Desktop;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class Tfrmabout;
class CheckWindow;
class HistoryWindow;
class ComposeWindow;
class Tfrmindex;
class ResultGridModel;
class ResultGridView;

// What the main window needs from outside: the desktop, the clock, the
// program folder and where the banner comes from.
struct MainServices
{
    Desktop &desktop;
    Clock &clock;
    ProgramFolder folder;
    BannerSource banner; // no address: no banner is fetched
    // The program starts the first download before the splash; without one
    // the window starts its own.
    std::shared_ptr<BannerFetch> bannerFetch = {};
};

// The main window. Its controls carry the names players' documentation and
// the tests use; handlers read the controls, call the engine and show the
// result.
class Tfrmmain : public QWidget
{
public:
    explicit Tfrmmain(MainServices services, QWidget *parent = nullptr);
    ~Tfrmmain() override;

    // The start-up sequence; runs at creation and again after a lottery has
    // been added.
    void FormCreate();

    void btnaddClick();
    void comcainameClick();
    void commodeClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void printPreview();
    void btnclearClick();
    void btnindexClick();
    void btnaboutClick();
    void btnhelpClick();
    void btnyanshiClick();
    void btncloseClick();
    void Label6Click();
    void lblweb2Click();
    void FormClick();
    // Beyond the buttons: the draw history, the grid's context menu and keys.
    void btnhistoryClick();
    // 组号: 复式, 胆拖 and 旋转矩阵 of the current lottery into the grid.
    void btncomposeClick();
    void checkDraw();
    void checkHistory();
    void undoGrid();
    void redoGrid();
    void copyRows();
    // 记录投注 and 缩水 on the grid's bets; a ticket opened back from the ledger.
    void recordTicket();
    void filterGrid();
    void openTicketBets(const QString &lottery, const std::vector<LotteryNumbers> &bets);
    void imggifClick();
    void Panel1Click();

    const LotteryInfo &currentLottery() const { return m_current; }
    const std::vector<QLineEdit *> &originalNumberBoxes() const { return m_boxRow->boxes(); }
    const ResultGridModel &resultGrid() const { return *m_gridModel; }
    // A banner download has not ended yet; the strip shows what it showed.
    bool bannerPending() const { return pan->pending(); }
    Tfrmindex *frmindex() const { return m_frmindex; }
    Tfrmabout *frmabout() const { return m_frmabout; }
    HistoryWindow *historyWindow() const { return m_historyWindow; }
    CheckWindow *checkWindow() const { return m_checkWindow; }
    ComposeWindow *composeWindow() const { return m_composeWindow; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Bets converted since the last save or load are not closed away
    // unasked.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createLotteryGroup();
    void createOptionGroup();
    void createDateGroup();
    void createButtonGroups();
    void updateTabOrder();
    // The grid takes the room the window and the number boxes leave it.
    void placeGrid();

    // Runs a handler, showing an error it raises; false when it raised one.
    bool guarded(const std::function<void()> &handler);
    void loadCatalogue(bool tellWhenEmpty = true);
    bool reloadEmptyCatalogue();
    void applyLottery(const LotteryInfo &lottery);
    void fillOptionLists(const DateDefaults &defaults);
    void openVendorSite();
    void createExtras();
    void createHistoryControls();
    void createComposeControls();
    CheckWindow *openCheckWindow();
    // Whether the grid holds bets; tells the player to make some first.
    bool askForBets();
    // Shows `next` in the grid for bets of `count` numbers, as one undo step.
    void replaceGrid(ResultGridModel::Snapshot next, int count, const LotteryInfo &before);
    void showSelection(const LotteryInfo &lottery);
    // Shows an undo or redo step; returns what it replaced.
    ResultGridModel::Snapshot showStep(GridSteps::Step step);
    void selectListedName(const QString &name);
    // Puts the lottery list back on the current lottery after a failed pick.
    void showCurrentLottery();
    FileDialogRequest numberFileDialog() const;
    // The catalogue's lottery of that name, if one is listed.
    std::optional<LotteryInfo> listedLottery(const QString &name) const;

    MainServices m_services;
    Tfrmindex *m_frmindex = nullptr;          // made on first use, kept for the run
    Tfrmabout *m_frmabout = nullptr;          // likewise
    HistoryWindow *m_historyWindow = nullptr; // likewise
    CheckWindow *m_checkWindow = nullptr;     // likewise
    ComposeWindow *m_composeWindow = nullptr; // likewise
    LotteryInfo m_current;
    bool m_hasLottery = false;
    NumberBoxRow *m_boxRow = nullptr;
    std::vector<QWidget *> m_dateAndOptionSet;
    ResultGridModel *m_gridModel = nullptr;
    DrawGenerator m_draws;
    ShortDateFormat m_dateFormat;
    std::unique_ptr<GridSteps> m_steps;
    bool m_placed = false;
    int m_boxRowsHeight = 0;      // the number boxes' rows after the first
    QSize m_designSize{685, 531}; // the client area at the designed outer size

public:
    // Controls, named as the players' documentation names them.
    QLabel *Label1 = nullptr;
    ClickLabel *Label6 = nullptr;
    ClickLabel *lblweb2 = nullptr;
    BannerStrip *pan = nullptr;
    ClickLabel *imggif = nullptr;
    ClickLabel *Panel1 = nullptr;

    QGroupBox *grpcaipiao = nullptr;
    QLabel *lblcainame = nullptr;
    PickList *comcainame = nullptr;
    QLabel *Label3 = nullptr;
    RadioGroup *optcaitype = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *edtcaisum = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *edtcaisel = nullptr;

    QGroupBox *grpgaigua = nullptr;
    QLabel *lblbagua = nullptr;
    QComboBox *comxianhou = nullptr;
    QLabel *lblyingyang = nullptr;
    QComboBox *comyingyang = nullptr;
    QLabel *lbltimemode = nullptr;
    QComboBox *commaikai = nullptr;
    QLabel *lbladdress = nullptr;
    QComboBox *comqizhong = nullptr;

    QGroupBox *grpshikong = nullptr;
    QLabel *lblnian = nullptr;
    QComboBox *comnian = nullptr;
    QLabel *lblyuei = nullptr;
    QComboBox *comyuei = nullptr;
    QLabel *lblri = nullptr;
    QComboBox *comri = nullptr;
    QLabel *lbltime = nullptr;
    QComboBox *comtime = nullptr;
    QLabel *lblfangwei = nullptr;
    QComboBox *comfangwei = nullptr;
    QLabel *Label8 = nullptr;
    PickList *commode = nullptr;
    QLabel *lbloricode = nullptr;
    QLineEdit *edtoricode = nullptr;

    QGroupBox *grpcode = nullptr;
    QLabel *Label2 = nullptr;
    ResultGridView *grdcode = nullptr;
    QLabel *imglogo = nullptr;

    QGroupBox *GroupBox1 = nullptr;
    QPushButton *btnadd = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnload = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btnclear = nullptr;
    QPushButton *btnindex = nullptr;

    QGroupBox *GroupBox2 = nullptr;
    QPushButton *btnhistory = nullptr;
    QPushButton *btncompose = nullptr;
    QPushButton *btnhelp = nullptr;
    QPushButton *btnabout = nullptr;
    QPushButton *btnyanshi = nullptr;
    QPushButton *btnclose = nullptr;
};
