// A real browser on the hall's pages: headless Chromium renders the crosstable of 22 players
// and two cycles on a phone and on the hall's screen, for the handbook's pictures, and a
// phone of 320 and 360 pixels shows every name without the page running wider than itself.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/language.h"
#include "export/sheet_fixture.h"
#include "hall/hall_client.h"

using namespace krugovik;
using namespace hall_client;

namespace {

std::vector<std::string> names(bool english = false)
{
    const std::vector<std::string> surnames =
        english
            ? std::vector<std::string>{"Ivanov",   "Petrova",    "Sidorenko", "Kuznetsov",
                                       "Smirnova", "Popov",      "Vasilyeva", "Konstantinopolsky",
                                       "Novikov",  "Fyodorova",  "Morozov",   "Volkova",
                                       "Alekseev", "Lebedeva",   "Semyonov",  "Yegorova",
                                       "Pavlov",   "Kozlova",    "Stepanov",  "Nikolaeva",
                                       "Orlov",    "<b>Bold</b>"}
            : std::vector<std::string>{
                  "Иванов",   "Петрова",      "Сидоренко", "Кузнецов",
                  "Смирнова", "Попов",        "Васильева", "Константинопольский",
                  "Новиков",  "Фёдорова",     "Морозов",   "Волкова",
                  "Алексеев", "Лебедева",     "Семёнов",   "Егорова",
                  "Павлов",   "Козлова",      "Степанов",  "Николаева",
                  "Орлов",    "<b>Жирный</b>"};
    std::vector<std::string> out;
    for (std::size_t k = 0; k < surnames.size(); ++k)
        out.push_back(surnames[k] +
                      (english ? (k % 2 ? " Anna" : " Igor") : (k % 2 ? " Анна" : " Игорь")));
    return out;
}

HallView bigEvent(bool english = false)
{
    HallView view;
    view.snapshot = sheet_fixture::event(names(english), 2, true, true);
    if (english) {
        view.snapshot.event.title = "District Junior Championship";
        view.snapshot.event.place = "Tver";
    }
    view.changedAt = "09.12.2026 14:05:31";
    view.stamp = "1-1";
    return view;
}

// Chromium as root in a container: no sandbox, no GPU, a profile of its own.
QByteArray chromium(const QStringList &arguments, const QString &profile)
{
    QProcess browser;
    browser.setProgram(QStringLiteral(KRUGOVIK_CHROMIUM));
    browser.setArguments(QStringList{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                     QStringLiteral("--disable-gpu"),
                                     QStringLiteral("--hide-scrollbars"),
                                     QStringLiteral("--no-first-run"),
                                     QStringLiteral("--user-data-dir=") + profile} +
                         arguments);
    browser.start();
    EXPECT_TRUE(browser.waitForFinished(120000));
    EXPECT_EQ(browser.exitCode(), 0) << browser.readAllStandardError().toStdString();
    return browser.readAllStandardOutput();
}

std::string unescaped(std::string text)
{
    for (const auto &[from, to] : std::vector<std::pair<std::string, std::string>>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

TEST(HallBrowser, PhoneShowsEveryNameWithinItsWidth)
{
    ServerThread server;
    const HallView view = bigEvent();
    server.publish(view);
    QTemporaryDir folder;
    const Reply page = get(server.port(), "/");
    ASSERT_EQ(page.status, 200);
    {
        QFile file(folder.filePath(QStringLiteral("page.html")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(page.body));
    }
    for (const int width : {320, 360}) {
        // The page in a frame of the phone's width; the browser's own window is wider.
        const QString probe = QStringLiteral(R"(<!DOCTYPE html><html><body style="margin:0">
<iframe id="f" src="page.html" style="border:0;width:%1px;height:740px"></iframe>
<pre id="out"></pre>
<script>
document.getElementById('f').onload = function () {
  var d = this.contentDocument;
  document.getElementById('out').textContent = JSON.stringify({
    width: d.documentElement.scrollWidth, inner: this.contentWindow.innerWidth,
    text: d.body.innerText});
};
</script></body></html>)")
                                  .arg(width);
        QFile file(folder.filePath(QStringLiteral("probe.html")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(probe.toUtf8());
        file.close();
        const QByteArray dom =
            chromium({QStringLiteral("--allow-file-access-from-files"),
                      QStringLiteral("--virtual-time-budget=3000"), QStringLiteral("--dump-dom"),
                      QUrl::fromLocalFile(file.fileName()).toString()},
                     folder.filePath(QStringLiteral("profile")));
        const qsizetype from = dom.indexOf("<pre id=\"out\">");
        const qsizetype to = dom.indexOf("</pre>", from);
        ASSERT_GE(from, 0) << dom.toStdString();
        const std::string json = unescaped(dom.mid(from + 14, to - from - 14).toStdString());
        const QJsonObject measured =
            QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
        ASSERT_FALSE(measured.isEmpty()) << json;
        EXPECT_EQ(measured.value(QStringLiteral("inner")).toInt(), width);
        // The crosstable scrolls in its own box; the page itself is no wider than the phone.
        EXPECT_LE(measured.value(QStringLiteral("width")).toInt(), width);
        const std::string text = measured.value(QStringLiteral("text")).toString().toStdString();
        for (const std::string &name : names())
            EXPECT_NE(text.find(name), std::string::npos) << width << ": " << name;
        EXPECT_NE(text.find("Первенство района среди юношей"), std::string::npos);
    }
}

// The handbook's pictures: the phone, the hall's screen, and the crosstable on a wide screen;
// the Russian chapter's, then with the program speaking English, the English chapter's.
TEST(HallBrowser, RendersThePicturesOfTheHandbook)
{
    ServerThread server;
    QTemporaryDir folder;
    const QString url = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
    const QString phone = folder.filePath(QStringLiteral("phone.html"));
    {
        QFile file(phone);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("<!DOCTYPE html><html><body style=\"margin:0\"><iframe src=\"%1/\" "
                           "style=\"border:0;width:360px;height:740px\"></iframe></body></html>")
                .arg(url)
                .toUtf8());
    }
    const QDir shots(QStringLiteral(KRUGOVIK_SHOT_DIR));
    struct Shot {
        QString file;
        QString page;
        QSize size;
    };
    for (const QString &language : {QStringLiteral(""), QStringLiteral(".en")}) {
        QObject speaker;
        if (!language.isEmpty()) {
            ASSERT_EQ(krugovik::useLanguage(&speaker, krugovik::Language::English),
                      krugovik::Language::English);
        }
        // Published anew: the pages are made in the language in force.
        server.publish(bigEvent(!language.isEmpty()));
        for (const Shot &shot :
             {Shot{QStringLiteral("hall-phone"), QUrl::fromLocalFile(phone).toString(), {360, 740}},
              Shot{QStringLiteral("hall-screen"), url + QStringLiteral("/hall"), {1920, 1080}},
              Shot{QStringLiteral("hall-crosstable"), url + QStringLiteral("/"), {1920, 1080}}}) {
            const QString path = shots.filePath(shot.file + language + QStringLiteral(".png"));
            // A loaded machine may take the picture before the first paint: up to three tries,
            // so that only a page that stays blank fails.
            QImage image;
            int dark = 0;
            for (int attempt = 0;
                 attempt < 3 && dark <= (shot.size.width() / 4) * (shot.size.height() / 4) / 50;
                 ++attempt) {
                QFile::remove(path);
                chromium({QStringLiteral("--virtual-time-budget=3000"),
                          QStringLiteral("--window-size=%1,%2")
                              .arg(shot.size.width())
                              .arg(shot.size.height()),
                          QStringLiteral("--screenshot=") + path, shot.page},
                         folder.filePath(QStringLiteral("profile")));
                image = QImage(path);
                ASSERT_FALSE(image.isNull()) << path.toStdString();
                // Not a blank page: the table's rules and text darken a good share of it.
                dark = 0;
                for (int y = 0; y < image.height(); y += 4)
                    for (int x = 0; x < image.width(); x += 4)
                        dark += qGray(image.pixel(x, y)) < 128;
            }
            EXPECT_EQ(image.size(), shot.size) << path.toStdString();
            EXPECT_GT(dark, (image.width() / 4) * (image.height() / 4) / 50) << path.toStdString();
        }
    }
}
