// 软件演示: walks a new player through one conversion, page by page. The
// numbers on the pages are worked out by the program's own engine and the
// pictures are the program's own window at each step (korvel-demo-pictures),
// so the demonstration always says and shows what the program really does.
#include "app/chinese_ui.h"
#include "base/lottery.h"
#include "demo/demo_example.h"
#include "engine/conversion.h"
#include "engine/correction.h"
#include "ui/file_edge.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct Page
{
    QString title;
    QString text;
};

QString pairs(const std::vector<DigitPair> &list)
{
    QStringList texts;
    for (const DigitPair &pair : list)
        texts << QString::fromStdString(pair.text());
    return texts.join(u' ');
}

std::vector<Page> pages()
{
    const int sum = DateDigitSum(demo::kYear, demo::kMonth, demo::kDay, demo::kHour);
    const int direction = DirectionNumber(demo::kArrangement, demo::kDirection);
    const int multiplier = Multiplier(sum, direction);
    std::vector<DigitPair> original, scaled, corrected;
    for (int value : demo::kOriginals) {
        original.push_back(DigitPair::fromValue(value));
        scaled.push_back(ScalePair(original.back(), multiplier));
        corrected.push_back(CorrectPair(demo::kMethod, scaled.back(), demo::kTotal));
    }
    // The blue ball goes the same way within its own 1–16.
    const DigitPair backOriginal = DigitPair::fromValue(demo::kBackOriginal);
    const DigitPair backScaled = ScalePair(backOriginal, multiplier);
    const DigitPair backCorrected = CorrectPair(demo::kMethod, backScaled, demo::kBackTotal);
    const Lottery lottery{Lotto,           demo::kTotal,     static_cast<int>(demo::kOriginals.size()),
                          demo::kBackName, demo::kBackTotal, 1};
    ConversionRequest request{lottery,
                              demo::kMethod,
                              demo::kArrangement,
                              demo::kDirection,
                              demo::kYear,
                              demo::kMonth,
                              demo::kDay,
                              demo::kHour,
                              "",
                              {}};
    for (int value : demo::kOriginals)
        request.boxes.push_back(std::to_string(value));
    request.boxes.push_back(std::to_string(demo::kBackOriginal));
    DrawGenerator draws;
    const ConversionResult result = convert(request, draws);
    const QString bet = QString::fromStdString(lottery.betText(result.value()));

    return {
        {QStringLiteral("第一步：选择彩票"),
         QStringLiteral("在“选择彩票：”列表中选“双色球”。窗口显示它是乐透型、红球 33 选 6 加蓝球 16 选 1，"
                        "并排好 7 个空白的号码框，最后一个淡蓝色的框是蓝球。")},
        {QStringLiteral("第二步：输入原始号码"),
         QStringLiteral("在前 6 个框中依次输入心中的号码：3、7、12、19、25、31，在蓝球框中输入 %1。"
                        "程序把它们写成两位数：%2，蓝球 %3。")
             .arg(demo::kBackOriginal)
             .arg(pairs(original), QString::fromStdString(backOriginal.text()))},
        {QStringLiteral("第三步：日期、时辰和方位"),
         QStringLiteral("选年 2024、月 05、日 17、时 08：十个数字相加再折叠得到日期数 "
                        "%1。八卦选“先天八卦”、方位选“东”，方位数是 %2。"
                        "%2 × %2 除以 %1 的余数为 0，所以倍数取 %3。")
             .arg(sum)
             .arg(direction)
             .arg(multiplier)},
        {QStringLiteral("第四步：选择修正方法"),
         QStringLiteral("每个号码的十位和个位各乘以 %1 只留个位：%2，蓝球 %3。选“太极图阳邻修正”，"
                        "把超出 33 的号码调回范围：%4；蓝球在 1 到 16 之内同样修正：%5。")
             .arg(multiplier)
             .arg(pairs(scaled), QString::fromStdString(backScaled.text()), pairs(corrected),
                  QString::fromStdString(backCorrected.text()))},
        {QStringLiteral("第五步：转换号码"),
         QStringLiteral("按“转换号码”。00 换回原始号码，再从小到大排序，结果表格增加一行，“+”后是蓝球：%1。"
                        "之后可以“保存号码”、“加载号码”或“打印号码”。")
             .arg(bet)},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    speakChinese(application);
    const std::vector<Page> steps = pages();
    const ProgramFolder folder = programFolder(QCoreApplication::applicationDirPath());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvel自动选号器 软件演示"));
    auto *title = new QLabel;
    QFont titleFont = title->font();
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *text = new QLabel;
    text->setWordWrap(true);
    text->setMinimumHeight(80);
    auto *picture = new QLabel;
    picture->setAlignment(Qt::AlignCenter);
    auto *back = new QPushButton(QStringLiteral("上一步"));
    auto *next = new QPushButton(QStringLiteral("下一步"));
    auto *close = new QPushButton(QStringLiteral("关闭"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(picture, 1);
    layout->addLayout(buttons);

    int current = 0;
    const auto show = [&](int index) {
        current = index;
        title->setText(steps[index].title);
        text->setText(steps[index].text);
        picture->setPixmap(QPixmap(qPath(folder.demoPicture(index + 1))));
        back->setEnabled(index > 0);
        next->setEnabled(index + 1 < static_cast<int>(steps.size()));
    };
    QObject::connect(back, &QPushButton::clicked, [&] { show(current - 1); });
    QObject::connect(next, &QPushButton::clicked, [&] { show(current + 1); });
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    show(0);
    window.showMaximized();
    return application.exec();
}
