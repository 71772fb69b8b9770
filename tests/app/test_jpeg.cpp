#include "../support/app_dir.h"
#include "base/app_error.h"
#include "media/jpeg_image.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "../support/error_of.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

} // namespace

TEST(JpegImage, DecodesTheShippedPictures)
{
    TestAppDir dir;
    const QImage splash = readJpeg(dir.file(QStringLiteral("图片/flash.jpg")));
    EXPECT_EQ(splash.size(), QSize(551, 337));
    EXPECT_EQ(storedJpeg(QStringLiteral(":/pictures/logo-main.jpg")).size(), QSize(193, 177));
    EXPECT_EQ(storedJpeg(QStringLiteral(":/pictures/logo-about.jpg")).size(), QSize(197, 225));
    // The colours come through: the splash fades from light to dark red.
    EXPECT_GT(qGray(splash.pixel(275, 2)), qGray(splash.pixel(275, 334)));
}

TEST(JpegImage, AgreesWithAnotherDecoderOnAPictureItDidNotMake)
{
    QImage source(40, 30, QImage::Format_RGB32);
    source.fill(QColor(30, 160, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(source.save(&buffer, "JPEG", 95));
    const QImage decoded = decodeJpeg(view(bytes));
    ASSERT_EQ(decoded.size(), source.size());
    const QColor pixel = decoded.pixelColor(20, 15);
    EXPECT_NEAR(pixel.red(), 30, 4);
    EXPECT_NEAR(pixel.green(), 160, 4);
    EXPECT_NEAR(pixel.blue(), 90, 4);
}

TEST(JpegImage, BadFilesAreOrdinaryErrors)
{
    TestAppDir dir;
    const QByteArray good = fileBytes(dir.file(QStringLiteral("图片/flash.jpg")));
    ASSERT_GT(good.size(), 1000);
    EXPECT_NE(errorOf([&] { decodeJpeg(view(good.left(good.size() / 2))); }), "no error"); // truncated
    EXPECT_NE(errorOf([&] { decodeJpeg(view(good.left(200))); }), "no error");
    EXPECT_EQ(errorOf([] { decodeJpeg({}); }), "图片是空的。");

    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    QTemporaryDir temp;
    const QString renamed = temp.filePath(QStringLiteral("flash.jpg"));
    QFile file(renamed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pngBytes);
    file.close();
    const std::string message = errorOf([&] { readJpeg(renamed); });
    EXPECT_NE(message.find("flash.jpg"), std::string::npos) << message;
    EXPECT_NE(message.find("JPEG"), std::string::npos) << message;
    // The player reads the program's own sentence; libjpeg's words follow in brackets.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(good.left(good.size() / 2));
    file.close();
    EXPECT_EQ(errorOf([&] { readJpeg(renamed); }),
              "图片“flash.jpg”不完整，可能没有复制完（Premature end of JPEG file）。");

    EXPECT_EQ(errorOf([&] { readJpeg(temp.filePath(QStringLiteral("none.jpg"))); }), "文件没找到");

    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray junk(static_cast<int>(random() % 600) + 1, '\0');
        for (char &c : junk)
            c = static_cast<char>(random());
        if (round % 2)
            junk.prepend("\xFF\xD8\xFF\xE0", 4); // starts like a JPEG
        EXPECT_NE(errorOf([&] { decodeJpeg(view(junk)); }), "no error");
    }
    // A corrupt byte in the middle of the scan data.
    QByteArray corrupt = good;
    for (int i = corrupt.size() / 2; i < corrupt.size() / 2 + 40; ++i)
        corrupt[i] = static_cast<char>(0xFF);
    EXPECT_NE(errorOf([&] { decodeJpeg(view(corrupt)); }), "no error");
}
