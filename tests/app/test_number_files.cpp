#include "main_window_fixture.h"

#include "base/gbk.h"
#include "results/result_grid_model.h"
#include "ui/radio_group.h"
#include "views/result_grid_view.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const std::string &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

class NumberFileTest : public MainWindowTest
{
protected:
    // The worked examples are single pools: 双色球 33/6 without its blue ball.
    void SetUp() override { dir.writeSinglePoolCatalogue(); }

    Tfrmmain &openWithBets()
    {
        clock.date = QDate(2026, 12, 8);
        Tfrmmain &w = open();
        const auto boxes = visibleBoxes();
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(QString::number(3 * i + 2));
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
        QTest::mouseClick(w.btnadd, Qt::LeftButton);
        desktop.messages.clear();
        return w;
    }
    QString target() const { return dir.file(QStringLiteral("附属/我的号码.txt")); }
};

TEST_F(NumberFileTest, SaveOffersTheFolderAndASuggestedName)
{
    Tfrmmain &w = openWithBets();
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    const FileDialogRequest &request = desktop.dialogs[0];
    EXPECT_EQ(request.filter, QStringLiteral("文本文件(*.txt)|*.txt"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(request.initialFolder, dir.file(QStringLiteral("附属/")));
    EXPECT_FALSE(request.askBeforeReplacing);
    // The Chinese short date, whatever the machine's language.
    EXPECT_EQ(request.suggestedName, dir.file(QStringLiteral("附属/双色球2026-12-8投注号码.txt")));
    EXPECT_FALSE(request.suggestedName.mid(dir.path().size() + 3).contains(QLatin1Char('/')));

    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功保存！")});
    const QByteArray saved = readAll(target());
    const QByteArray line = QByteArray::fromStdString(cells(w, 1).substr(2)) + " \r\n";
    EXPECT_EQ(saved, line + line);
}

TEST_F(NumberFileTest, CancelledSaveWritesNothing)
{
    Tfrmmain &w = openWithBets();
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(NumberFileTest, FailedSavesShowTheFileErrorAndNoSuccess)
{
    Tfrmmain &w = openWithBets();
    writeAll(target(), "01 02 03 04 05 06 \r\n");
    desktop.fileAnswers = {QStringLiteral("/dev/full"), QStringLiteral("/sys/号码.txt"),
                           dir.file(QStringLiteral("没有/号码.txt"))};
    // /sys takes no new file: the folder is named as the cause.
    for (const char *expected :
         {"磁盘已满.", "文件存取错误：文件夹“/sys”是只读的，无法在其中保存“号码.txt”。", "文件没找到."}) {
        desktop.messages.clear();
        QTest::mouseClick(w.btnsave, Qt::LeftButton);
        ASSERT_EQ(desktop.messages.size(), 1u) << expected;
        EXPECT_EQ(desktop.messages[0].text, QString::fromUtf8(expected));
        EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    }
    EXPECT_EQ(readAll(target()), QByteArray("01 02 03 04 05 06 \r\n"));
}

TEST_F(NumberFileTest, SavedFileLoadsBackIntoTheSameGrid)
{
    Tfrmmain &w = openWithBets();
    const std::string first = cells(w, 1);
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnsave, Qt::LeftButton);
    QTest::mouseClick(w.btnclear, Qt::LeftButton);
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.dialogs.back().initialFolder, dir.file(QStringLiteral("附属/")));
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("成功保存！")});
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(cells(w, 1), first);
    EXPECT_EQ(cells(w, 2), "2" + first.substr(1));
}

TEST_F(NumberFileTest, HeaderFileAppliesItsLotteryWhole)
{
    Tfrmmain &w = openWithBets();
    writeAll(target(), utf8ToGbk("福彩3D\r\n1\r\n10\r\n3\r\n2\r\n123\r\n905\r\n"));
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(w.comcainame->currentText(), QStringLiteral("福彩3D"));
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("福彩3D"), {1, 10, 3}}));
    EXPECT_EQ(w.optcaitype->itemIndex(), 1);
    EXPECT_EQ(w.edtcaisum->text(), QStringLiteral("10"));
    EXPECT_EQ(w.edtcaisel->text(), QStringLiteral("3"));
    EXPECT_EQ(visibleBoxes().size(), 3u);
    EXPECT_EQ(w.grpcode->title(), QStringLiteral("原始号码：请输入3个0--9范围内数字（可以重复）"));
    EXPECT_EQ(cells(w, 0), "序号 号码1 号码2 号码3");
    EXPECT_EQ(cells(w, 2), "2 9 0 5");
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);

    // The next conversion converts for that lottery, below the loaded rows.
    for (QLineEdit *box : visibleBoxes())
        box->setText(QStringLiteral("4"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 4);
    EXPECT_EQ(w.resultGrid().grid().cell(0, 3), "3");
}

TEST_F(NumberFileTest, UnlistedNameLeavesNoSelectionButLoads)
{
    Tfrmmain &w = openWithBets();
    writeAll(target(), utf8ToGbk("没有这种彩票\r\n0\r\n33\r\n6\r\n0\r\n"));
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(w.comcainame->currentIndex(), -1);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("没有这种彩票"));
    // No rows: the next conversion goes into row 1.
    for (QLineEdit *box : visibleBoxes())
        box->setText(QStringLiteral("1"));
    QTest::mouseClick(w.btnadd, Qt::LeftButton);
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 2);
    EXPECT_EQ(w.resultGrid().grid().cell(0, 1), "1");
}

TEST_F(NumberFileTest, BadFilesChangeNothingButTheNameLine)
{
    Tfrmmain &w = openWithBets();
    const std::string before = cells(w, 2);
    writeAll(target(), utf8ToGbk("福彩3D\r\n1\r\n十\r\n3\r\n2\r\n"));
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("'十' 不是一个有效的整形值.")});
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("福彩3D")); // line 1 was read
    EXPECT_EQ(w.currentLottery().lottery.count, 6);
    EXPECT_EQ(visibleBoxes().size(), 6u);
    EXPECT_EQ(cells(w, 2), before);

    const std::string junk[] = {std::string("\x89PNG\r\n\x1a\n\0\0\0", 11), "", "0\n0\n33\n99999\n1\n"};
    for (const std::string &bytes : junk) {
        desktop.messages.clear();
        writeAll(target(), bytes);
        desktop.fileAnswers.push_back(target());
        QTest::mouseClick(w.btnload, Qt::LeftButton);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].kind, MessageKind::Plain);
        EXPECT_EQ(cells(w, 2), before);
        EXPECT_EQ(visibleBoxes().size(), 6u);
    }

    desktop.messages.clear();
    desktop.fileAnswers.push_back(dir.file(QStringLiteral("附属/不存在.txt")));
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("文件没找到.")});
    EXPECT_EQ(cells(w, 2), before);
}

TEST_F(NumberFileTest, LongLoadShowsProgressAndStoppingChangesNothing)
{
    Tfrmmain &w = openWithBets();
    const std::string first = cells(w, 1);
    const std::string second = cells(w, 2);
    std::string bytes;
    for (int row = 0; row < 40000; ++row)
        bytes += "01 05 12 17 23 " + std::to_string(row % 10 + 20) + " \r\n";
    writeAll(target(), bytes);

    // Reported in thousandths of the lines, in the order read, whatever
    // the thread reading them has reached meanwhile.
    desktop.cancelAt = 819;
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.progressMaximum, 1000);
    EXPECT_EQ(desktop.progressValues, (std::vector<int>{0, 409, 819}));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 3);
    EXPECT_EQ(cells(w, 1), first);
    EXPECT_EQ(cells(w, 2), second);
    EXPECT_EQ(w.currentLottery().name, QStringLiteral("双色球"));

    // Let run, the same file loads whole, its repeats flagged.
    desktop.cancelAt = -1;
    desktop.progressValues.clear();
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.progressValues, (std::vector<int>{0, 409, 819, 1000}));
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 40001);
    EXPECT_EQ(cells(w, 40000), "40000 01 05 12 17 23 29");
    EXPECT_EQ(w.resultGrid().repeatOf(40000), 10);
    EXPECT_EQ(w.resultGrid().repeatOf(10), 0);
}

TEST_F(NumberFileTest, RowsThatAreNoBetsOfTheLotteryLoadMarkedWithOneMessage)
{
    Tfrmmain &w = openWithBets();
    // Under 双色球 (33 numbers): 大乐透's 35, numbers beyond any lottery,
    // letters, one number six times, 00; the last row fits.
    writeAll(target(), "12 31 32 33 35 05 \r\n99 98 97 96 95 94 \r\nab cd ef gh ij kl \r\n"
                       "05 05 05 05 05 05 \r\n00 01 02 03 04 05 \r\n01 02 03 04 05 33 \r\n");
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{QStringLiteral(
                  "有5行号码不符合双色球，已在表格中标出，核对开奖号码和对照历史时不计："
                  "\n第1行：35不在1到33之间\n第2行：99不在1到33之间\n第3行：“ab”不是号码\n……")});
    EXPECT_EQ(w.resultGrid().grid().rowCount(), 7);
    EXPECT_EQ(cells(w, 3), "3 ab cd ef gh ij kl");
    EXPECT_EQ(w.resultGrid().misfitCount(), 5);
    EXPECT_FALSE(w.resultGrid().fits(5));
    EXPECT_TRUE(w.resultGrid().fits(6));
    EXPECT_EQ(w.resultGrid().index(4, 0).data(Qt::ToolTipRole).toString(),
              QStringLiteral("不符合当前彩票：00不在1到33之间，核对和对照历史时不计"));
    EXPECT_FALSE(w.resultGrid().index(5, 0).data(Qt::ToolTipRole).isValid());

    // Undone, the marks go with the rows; the rows converted before fit.
    w.show();
    QApplication::setActiveWindow(&w);
    w.grdcode->setFocus();
    QTest::keyClick(w.grdcode, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.resultGrid().misfitCount(), 0);
    EXPECT_TRUE(w.resultGrid().fits(1));
}

TEST_F(NumberFileTest, HeaderFileOfAListedNameInAnotherShapeSaysSoAndLeavesTheCatalogue)
{
    Tfrmmain &w = openWithBets();
    // 双色球 in the file is a Digit 10 / 3 lottery; its row 2 holds a letter.
    writeAll(target(), utf8ToGbk("双色球\r\n1\r\n10\r\n3\r\n2\r\n123\r\n9a5\r\n"));
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_EQ(
        desktop.messageTexts(),
        QStringList{QStringLiteral("文件中的双色球是数字型10选3，与彩票库中的双色球不同，已按文件显示\n\n"
                                   "有1行号码不符合双色球，已在表格中标出，核对开奖号码和对照历史时不计："
                                   "\n第2行：“a”不是号码")});
    // The rows in the file's shape.
    EXPECT_EQ(w.currentLottery(), (LotteryInfo{QStringLiteral("双色球"), {1, 10, 3}}));
    EXPECT_EQ(cells(w, 1), "1 1 2 3");
    EXPECT_EQ(visibleBoxes().size(), 3u);

    // The catalogue's 双色球 is what it was: picked again, it is 33 / 6.
    pick(w.comcainame, QStringLiteral("大乐透"));
    pick(w.comcainame, QStringLiteral("双色球"));
    EXPECT_EQ(w.currentLottery().lottery, (Lottery{Lotto, 33, 6}));
    EXPECT_EQ(visibleBoxes().size(), 6u);

    // A file in the listed shape says nothing.
    desktop.messages.clear();
    writeAll(target(), utf8ToGbk("福彩3D\r\n1\r\n10\r\n3\r\n1\r\n123\r\n"));
    desktop.fileAnswers.push_back(target());
    QTest::mouseClick(w.btnload, Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.messageTexts().join(u'|').toStdString();
}
