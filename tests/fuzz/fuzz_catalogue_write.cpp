// The add-lottery dialog's checks and the catalogue's write path: whatever
// the fields hold is refused with a message, or the lottery is appended
// once (adding the same name again is refused) and reads back as typed.
#include "base/app_error.h"
#include "catalogue/catalogue_store.h"
#include "memory_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *folder = nullptr;
int runs = 0;

QString storePath()
{
    return folder->filePath(QStringLiteral("彩票数据.mdb"));
}

// A fresh store now and then keeps the table, and each check, small.
void freshStore()
{
    QFile::remove(storePath());
    CatalogueStore::create(storePath());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    folder = newMemoryFolder();
    freshStore();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (++runs % 500 == 0)
        freshStore();
    FuzzedDataProvider input(data, size);
    LotteryForm form;
    form.kind = input.ConsumeIntegralInRange(0, 1);
    form.total = QString::fromStdString(input.ConsumeRandomLengthString(12));
    form.count = QString::fromStdString(input.ConsumeRandomLengthString(12));
    form.hasBack = input.ConsumeBool();
    form.backName = QString::fromStdString(input.ConsumeRandomLengthString(12));
    form.backTotal = QString::fromStdString(input.ConsumeRandomLengthString(12));
    form.backCount = QString::fromStdString(input.ConsumeRandomLengthString(12));
    form.name = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    try {
        const auto checked = lotteryToAdd(form);
        if (!checked.accepted()) {
            if (checked.refusal().empty())
                std::abort();
            return 0;
        }
        const LotteryInfo &lottery = checked.value();
        const CatalogueStore store(storePath());
        const bool added = store.appendIfNew(lottery);
        if (store.appendIfNew(lottery))
            std::abort(); // the name is there now, whether added or not
        if (added && lotteryFromRow(store.readAll().back()) != lottery)
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
