// Builds the shipped catalogue database from its readable sources:
//   korvel-mkcatalogue SOURCE.csv OUTPUT.mdb [PRIZES.csv]
// The source has a header line and then one lottery a line:
// 彩票名称,彩票类型,号码总数,号码个数[,后区名称,后区总数,后区个数[,前区名称]] (UTF-8, no
// quoting; see catalogue_source.h).
// The prize rules, when given, fill the prize table (see
// history/prize_rules.h); each lottery's rules are checked as the program
// will read them.
#include "base/app_error.h"
#include "base/file_io.h"
#include "catalogue/catalogue_source.h"
#include "catalogue/catalogue_store.h"
#include "history/history_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <cstdio>
#include <set>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: korvel-mkcatalogue SOURCE.csv OUTPUT.mdb [PRIZES.csv]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString building = output + QStringLiteral(".new");
    try {
        const std::vector<LotteryInfo> rows = parseCatalogueSource(readFile(argv[1]));
        QFile::remove(building);
        CatalogueStore::create(building);
        const CatalogueStore store(building);
        for (const LotteryInfo &row : rows)
            store.append(row);
        if (argc == 4) {
            const std::vector<PrizeRuleRow> rules = parsePrizeCsv(readFile(argv[3]));
            std::set<std::string> lotteries;
            for (const PrizeRuleRow &rule : rules) {
                if (lotteries.insert(rule.lottery).second)
                    (void)PrizeTable::fromRows(rule.lottery, rules);
            }
            HistoryStore(building).ensureTables(rules);
        }
        QFile::remove(output);
        if (!QFile::rename(building, output))
            throw AppError("cannot write " + output.toStdString());
    } catch (const std::exception &error) {
        QFile::remove(building);
        std::fprintf(stderr, "korvel-mkcatalogue: %s\n", error.what());
        return 1;
    }
    return 0;
}
