#include "ui/guard.h"

#include "base/app_error.h"
#include "base/error_text.h"
#include "ui/desktop.h"

#include <exception>
#include <new>

namespace {

void show(Desktop &desktop, QWidget *owner, const std::string &text)
{
    desktop.message(owner, MessageKind::Error, applicationTitle(),
                    QString::fromStdString(errorBoxText(text)));
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Korvel自动选号器");
}

bool runGuarded(Desktop &desktop, QWidget *owner, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::bad_alloc &) {
        show(desktop, owner, "内存不足。");
    } catch (const std::exception &error) {
        show(desktop, owner, error.what());
    } catch (...) {
        show(desktop, owner, "未知错误。");
    }
    return false;
}
