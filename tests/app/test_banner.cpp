#include "main_window_fixture.h"

#include "../support/loopback_server.h"
#include "ui/click_label.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

std::string gifBytes()
{
    QFile file(QStringLiteral(KORVEL_SOURCE_DIR "/tests/app/data/banner.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString &path, const std::string &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

class BannerTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_GT(gifBytes().size(), 100u);
        banner.connectTimeoutMs = 1000;
        banner.totalTimeoutMs = 2000;
        banner.stallTimeoutMs = 1000;
        banner.maxBytes = 256 * 1024;
    }
    // Opens the window and waits for its banner download to end.
    Tfrmmain &openOn(const LoopbackServer &server)
    {
        banner.address = server.address();
        open();
        settle();
        return *window;
    }
    void settle()
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->bannerPending(); }, 10000));
    }
    QString cached() const { return dir.file(QStringLiteral("guanggao.gif")); }
    bool stripShown() const { return window->pan->isVisibleTo(window.get()); }
};

TEST_F(BannerTest, RequestIsTheOneTheVendorsServerExpects)
{
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::ok(gifBytes()); });
    openOn(server);
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string request = server.requests()[0];
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /\xCD\xBC\xC6\xAC/guanggao.gif HTTP/1.1");
    EXPECT_NE(request.find("\r\nAccept: text/html, */*\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:"), std::string::npos);
}

TEST_F(BannerTest, DownloadedPictureIsCachedAndPlaysStretched)
{
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::ok(gifBytes()); });
    Tfrmmain &w = openOn(server);
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
    EXPECT_TRUE(stripShown());
    ASSERT_NE(w.imggif->movie(), nullptr);
    EXPECT_TRUE(w.imggif->movie()->isValid());
    EXPECT_EQ(w.imggif->movie()->frameCount(), 2);
    EXPECT_EQ(w.imggif->movie()->state(), QMovie::Running);
    EXPECT_EQ(w.imggif->geometry(), QRect(1, 1, 650, 63));
    EXPECT_TRUE(w.imggif->hasScaledContents());
    EXPECT_EQ(w.Panel1->geometry(), QRect(296, 16, 25, 25));
    EXPECT_EQ(w.Panel1->text(), QStringLiteral("×"));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.comcainame->count(), 9); // the start-up went on

    QTest::mouseClick(w.imggif, Qt::LeftButton);
    ASSERT_EQ(desktop.openedDocuments.size(), 1);
    EXPECT_TRUE(desktop.openedDocuments[0].contains(QStringLiteral("/reg.aspx?u=")));
}

TEST_F(BannerTest, ErrorStatusKeepsTheOlderFileAndHidesTheStrip)
{
    writeBytes(cached(), gifBytes());
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::status(404, "Not Found"); });
    Tfrmmain &w = openOn(server);
    EXPECT_FALSE(stripShown());
    EXPECT_TRUE(w.Label1->isVisibleTo(&w));
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
    // The older picture is still loaded into the hidden strip.
    ASSERT_NE(w.imggif->movie(), nullptr);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(BannerTest, BodyThatIsNoGifReplacesTheFileAndHidesTheStrip)
{
    writeBytes(cached(), gifBytes());
    LoopbackServer server(
        [](const std::string &, int) { return LoopbackServer::ok("<html>moved</html>", "text/html"); });
    openOn(server);
    EXPECT_EQ(fileBytes(cached()), QByteArray("<html>moved</html>"));
    EXPECT_FALSE(stripShown());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(BannerTest, RedirectsAreFollowedUpToFourteen)
{
    LoopbackServer once([](const std::string &, int index) {
        return index == 0 ? LoopbackServer::redirect("/ads/other.gif") : LoopbackServer::ok(gifBytes());
    });
    openOn(once);
    EXPECT_TRUE(stripShown());
    ASSERT_EQ(once.requests().size(), 2u);
    EXPECT_EQ(once.requests()[1].substr(0, 28), "GET /ads/other.gif HTTP/1.1\r");

    LoopbackServer fourteen([](const std::string &, int index) {
        return index < 14 ? LoopbackServer::redirect("/hop" + std::to_string(index))
                          : LoopbackServer::ok(gifBytes());
    });
    openOn(fourteen);
    EXPECT_TRUE(stripShown());
    EXPECT_EQ(fourteen.requests().size(), 15u);
}

TEST_F(BannerTest, FifteenRedirectsAreAFailure)
{
    writeBytes(cached(), "older");
    LoopbackServer server([](const std::string &, int index) {
        return index < 15 ? LoopbackServer::redirect("/hop" + std::to_string(index))
                          : LoopbackServer::ok(gifBytes());
    });
    openOn(server);
    EXPECT_FALSE(stripShown());
    EXPECT_EQ(fileBytes(cached()), QByteArray("older"));
    EXPECT_EQ(server.requests().size(), 15u);
}

TEST_F(BannerTest, WindowOpensWhileTheServerIsSilent)
{
    // The window is complete at once, showing the picture of an earlier
    // run while the download waits; giving up on the server hides it.
    writeBytes(cached(), gifBytes());
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::Reply{{}, true, 0}; });
    banner.address = server.address();
    Tfrmmain &w = open();
    EXPECT_TRUE(w.bannerPending());
    EXPECT_EQ(w.commode->count(), 20);
    EXPECT_EQ(w.comcainame->count(), 9);
    EXPECT_TRUE(stripShown());
    ASSERT_NE(w.imggif->movie(), nullptr);
    settle();
    EXPECT_FALSE(stripShown());
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(BannerTest, WithoutAnEarlierPictureTheStripWaitsHidden)
{
    std::atomic<bool> answer{false};
    LoopbackServer server([&](const std::string &, int) {
        for (int waited = 0; !answer && waited < 2000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return LoopbackServer::ok(gifBytes());
    });
    banner.address = server.address();
    Tfrmmain &w = open();
    EXPECT_TRUE(w.bannerPending());
    EXPECT_FALSE(stripShown());
    EXPECT_TRUE(w.Label1->isVisibleTo(&w));
    answer = true;
    settle();
    EXPECT_TRUE(stripShown());
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
}

TEST_F(BannerTest, RerunKeepsTheStripUntilItsDownloadEnds)
{
    std::atomic<bool> silent{false};
    LoopbackServer server([&](const std::string &, int) {
        return silent ? LoopbackServer::Reply{{}, true, 0} : LoopbackServer::ok(gifBytes());
    });
    Tfrmmain &w = openOn(server);
    ASSERT_TRUE(stripShown());
    silent = true;
    w.FormCreate();
    EXPECT_TRUE(w.bannerPending());
    EXPECT_TRUE(stripShown());
    EXPECT_EQ(w.commode->count(), 20); // the rest of the re-run did not wait
    settle();
    EXPECT_FALSE(stripShown()); // a failed re-run hides a visible strip
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
}

TEST_F(BannerTest, DownloadBegunBeforeTheWindowIsItsFirst)
{
    // As the program does: the download runs beside the splash, and the
    // window shows its outcome at once without fetching again.
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::ok(gifBytes()); });
    banner.address = server.address();
    auto fetch = std::make_shared<BannerFetch>(banner, dir.folder().bannerFile());
    fetch->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fetch->running(); }, 10000));
    window = std::make_unique<Tfrmmain>(MainServices{desktop, clock, dir.folder(), banner, fetch});
    EXPECT_FALSE(window->bannerPending());
    EXPECT_TRUE(stripShown());
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(BannerTest, HugeBodyIsAbandonedBeforeItIsStored)
{
    writeBytes(cached(), gifBytes());
    LoopbackServer server([](const std::string &, int) {
        LoopbackServer::Reply reply;
        reply.bytes = "HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\nConnection: close\r\n\r\nGIF89a";
        reply.streamBytes = 8 << 20;
        return reply;
    });
    openOn(server);
    EXPECT_FALSE(stripShown());
    EXPECT_EQ(fileBytes(cached()).toStdString(), gifBytes());
}

TEST_F(BannerTest, RefusedConnectionHidesTheStripSilently)
{
    banner.address = "http://127.0.0.1:" + std::to_string(refusingPort());
    Tfrmmain &w = open();
    settle();
    EXPECT_FALSE(stripShown());
    EXPECT_FALSE(QFile::exists(cached()));
    EXPECT_EQ(w.imggif->movie(), nullptr);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.comnian->count(), 99);
}

TEST_F(BannerTest, ClosedStripStaysHiddenAfterARerun)
{
    LoopbackServer server([](const std::string &, int) { return LoopbackServer::ok(gifBytes()); });
    Tfrmmain &w = openOn(server);
    ASSERT_TRUE(stripShown());
    QTest::mouseClick(w.Panel1, Qt::LeftButton);
    EXPECT_FALSE(stripShown());
    w.FormCreate();
    settle();
    EXPECT_EQ(server.requests().size(), 2u); // downloaded again
    EXPECT_FALSE(stripShown());
}
