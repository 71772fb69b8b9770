#include "catalogue/catalogue_source.h"

#include "base/app_error.h"

#include <QStringList>

namespace {

[[noreturn]] void failAt(int lineNumber, const std::string &why)
{
    throw AppError("line " + std::to_string(lineNumber) + ": " + why);
}

} // namespace

std::vector<LotteryInfo> parseCatalogueSource(std::string_view utf8)
{
    const QString source = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QStringList lines = source.split(QLatin1Char('\n'));
    if (!lines.isEmpty())
        lines.removeFirst();
    std::vector<LotteryInfo> lotteries;
    int lineNumber = 1;
    for (QString line : lines) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() != 4 && fields.size() != 7 && fields.size() != 8)
            failAt(lineNumber, "expected 4, 7 or 8 fields");
        fields.resize(8);
        LotteryInfo lottery;
        try {
            lottery = lotteryFromRow(
                {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]});
        } catch (const AppError &error) {
            failAt(lineNumber, error.what());
        }
        // A row the program refuses when it is picked is no row to ship.
        if (const auto problem = lotteryProblem(lottery))
            failAt(lineNumber, problem->message);
        lotteries.push_back(lottery);
    }
    return lotteries;
}
