// The program's sound player when the sound server is missing or misbehaves: it never waits for
// it, tries it only when a sound is asked for and at most once a second, says nothing, and ends
// at once.
#include "platform/qt/DeferredSoundPlayer.h"
#include "platform/qt/QtResources.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

enum class Server { None, HangsUp, NeverAnswers };

// A socket where the sound server would be, counting who connects.
class FakeServer {
  public:
    FakeServer(const QString& path, Server kind) {
        if (kind == Server::None) return;
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(listen(fd_, 16), 0);
        notifier_.emplace(fd_, QSocketNotifier::Read);
        QObject::connect(&*notifier_, &QSocketNotifier::activated, [this, kind] {
            ++connections;
            const int client = accept(fd_, nullptr, nullptr);
            if (kind == Server::HangsUp)
                close(client);
            else
                open_.push_back(client);
        });
    }
    ~FakeServer() {
        notifier_.reset();
        for (int fd : open_)
            close(fd);
        if (fd_ >= 0) close(fd_);
    }
    int connections = 0;

  private:
    int fd_ = -1;
    std::optional<QSocketNotifier> notifier_;
    std::vector<int> open_;
};

// What this process writes on its error output meanwhile.
class ErrorOutput {
  public:
    ErrorOutput() : saved_(dup(STDERR_FILENO)) {
        file_.open();
        dup2(file_.handle(), STDERR_FILENO);
    }
    std::string text() {
        fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        file_.seek(0);
        return file_.readAll().toStdString();
    }

  private:
    int saved_;
    QTemporaryFile file_;
};

TEST(SoundPlayer, TriesAFailingServerOnlyForSoundsAtMostOnceASecondWaitsForNothingAndSaysNothing) {
    // The connections counted once the player is made; then 2 s after one sound, asked for too
    // soon after that connection to try again at once; then after 2.2 s of a sound asked for
    // every 50 ms.
    const struct {
        Server server;
        int made, afterOne, clicked, clickedMax;
    } kCases[] = {
        {Server::None, 0, 0, 0, 0},
        {Server::HangsUp, 1, 2, 4, 5},
        {Server::NeverAnswers, 1, 1, 1, 1}, // the one connection is still on its way
    };
    const platform::Bytes click = platform::QtResources().sound(102);
    for (const auto& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.server));
        QTemporaryDir folder;
        FakeServer server(folder.filePath("native"), c.server);
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.filePath("native")));
        ErrorOutput errors;
        std::optional<platform::DeferredSoundPlayer> player(std::in_place, BRIVATENZO_SOUND_MODULE);
        player->open();
        QTest::qWait(200);
        EXPECT_EQ(server.connections, c.made);
        QElapsedTimer run, one;
        one.start();
        player->play(click);
        qint64 longest = one.elapsed();
        QTest::qWait(2000);
        EXPECT_EQ(server.connections, c.afterOne);
        for (run.start(); run.elapsed() < 2200; QTest::qWait(50)) {
            one.start();
            player->play(click);
            longest = std::max(longest, one.elapsed());
        }
        EXPECT_GE(server.connections, c.clicked);
        EXPECT_LE(server.connections, c.clickedMax);
        EXPECT_LT(longest, 50) << "a sound waited for the server";
        one.start();
        player.reset();
        EXPECT_LT(one.elapsed(), 500) << "the player took long to go";
        EXPECT_EQ(errors.text(), "");
    }
}

} // namespace
