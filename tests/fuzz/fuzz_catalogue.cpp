// The catalogue rows as read from the store: the bytes stand as the
// database file; reading it gives rows or an ordinary error, and every row
// is turned into a lottery or refused with a message.
#include "base/app_error.h"
#include "catalogue/catalogue_store.h"
#include "memory_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {
QTemporaryDir *folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    folder = newMemoryFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("彩票数据.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    try {
        for (const CatalogueRow &row : CatalogueStore(path, 0).readAll()) {
            try {
                const LotteryInfo lottery = lotteryFromRow(row);
                (void)lotteryProblem(lottery);
            } catch (const AppError &) {
            }
        }
    } catch (const AppError &) {
    }
    return 0;
}
