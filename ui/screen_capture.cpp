#include "ui/screen_capture.h"
#include "ui/file_edge.h"

#include "base/app_error.h"
#include "base/file_io.h"
#include "ui/desktop.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

void ScreenCapture(QWidget *owner, Desktop &desktop)
{
    const QImage screen = desktop.grabScreen();
    FileDialogRequest request;
    request.title = QStringLiteral("保存屏幕");
    // There is no drive d:\ here; the player's home folder takes its place.
    request.initialFolder = QDir::homePath();
    request.filter = QStringLiteral("图片(*.bmp)|*.bmp");
    const QString fileName = desktop.saveFileName(owner, request);
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (screen.isNull() || !screen.save(&buffer, "BMP"))
        throw AppError("无法生成屏幕图片。");
    writeFileAtomically(nativePath(fileName),
                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
