#include "base/list_file_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <zip.h>

namespace krugovik {
namespace {

// Progress is told at most this often, in lines.
constexpr qint64 kProgressStep = 16384;

// One member of a .zip read as a device, through libzip.
class ZipMember : public QIODevice {
  public:
    ~ZipMember() override { close(); }

    // Opens the archive's first member with a list's extension; false with the reason.
    bool openList(const QString &path, QString &error)
    {
        int code = 0;
        m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
        if (!m_archive) {
            zip_error_t reason;
            zip_error_init_with_code(&reason, code);
            error = QCoreApplication::translate("RatingList", "архив не читается (%1)")
                        .arg(QString::fromLocal8Bit(zip_error_strerror(&reason)));
            zip_error_fini(&reason);
            return false;
        }
        const zip_int64_t entries = zip_get_num_entries(m_archive, 0);
        for (zip_int64_t i = 0; i < entries; ++i) {
            const QString name = QString::fromUtf8(zip_get_name(m_archive, zip_uint64_t(i), 0));
            const QString suffix = QFileInfo(name).suffix().toLower();
            if (suffix != QLatin1String("txt") && suffix != QLatin1String("xml") &&
                suffix != QLatin1String("csv"))
                continue;
            zip_stat_t stat;
            zip_stat_init(&stat);
            if (zip_stat_index(m_archive, zip_uint64_t(i), 0, &stat) == 0 &&
                (stat.valid & ZIP_STAT_SIZE))
                m_size = qint64(stat.size);
            m_file = zip_fopen_index(m_archive, zip_uint64_t(i), 0);
            if (!m_file) {
                error =
                    QCoreApplication::translate("RatingList", "файл %1 в архиве не читается (%2)")
                        .arg(name, QString::fromLocal8Bit(zip_strerror(m_archive)));
                return false;
            }
            m_memberName = name;
            return QIODevice::open(QIODevice::ReadOnly);
        }
        error =
            QCoreApplication::translate("RatingList", "в архиве нет списка (.txt, .xml или .csv)");
        return false;
    }

    QString memberName() const { return m_memberName; }
    bool isSequential() const override { return true; }
    qint64 size() const override { return m_size; }
    // A sequential device knows no position; this one counts what it gave.
    qint64 readSoFar() const { return m_readSoFar; }
    bool failed() const { return m_failed; }
    bool atEnd() const override { return m_ended && QIODevice::bytesAvailable() == 0; }
    qint64 bytesAvailable() const override
    {
        return QIODevice::bytesAvailable() + (m_ended ? 0 : 1);
    }

    void close() override
    {
        if (m_file)
            zip_fclose(m_file);
        if (m_archive)
            zip_discard(m_archive);
        m_file = nullptr;
        m_archive = nullptr;
        if (isOpen())
            QIODevice::close();
    }

  protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (!m_file)
            return -1;
        const zip_int64_t read = zip_fread(m_file, data, zip_uint64_t(maxSize));
        if (read < 0)
            setErrorString(QString::fromLocal8Bit(zip_file_strerror(m_file)));
        if (read < 0)
            m_failed = true;
        if (read <= 0)
            m_ended = true;
        else
            m_readSoFar += read;
        return qint64(read);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    zip_t *m_archive = nullptr;
    zip_file_t *m_file = nullptr;
    QString m_memberName;
    qint64 m_size = 0;
    qint64 m_readSoFar = 0;
    bool m_ended = false;
    bool m_failed = false; // the archive's data is damaged
};

// Whether reading stopped on damaged data rather than at the end.
bool readFailed(const QIODevice &device)
{
    if (const auto *member = dynamic_cast<const ZipMember *>(&device))
        return member->failed();
    if (const auto *file = dynamic_cast<const QFile *>(&device))
        return file->error() != QFileDevice::NoError;
    return false;
}

qint64 readSoFar(const QIODevice &device)
{
    if (const auto *member = dynamic_cast<const ZipMember *>(&device))
        return member->readSoFar();
    return device.pos();
}

bool isZip(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

// The list file, or the list inside the archive, opened for reading; the name tells the
// format.
std::unique_ptr<QIODevice> openList(const QString &path, QString &name, QString &error)
{
    if (isZip(path)) {
        auto member = std::make_unique<ZipMember>();
        if (!member->openList(path, error))
            return nullptr;
        name = member->memberName();
        return member;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        error = file->errorString();
        return nullptr;
    }
    name = path;
    return file;
}

bool formatOfName(const QString &name, ListFormat &format)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("xml"))
        format = ListFormat::FideXml;
    else if (suffix == QLatin1String("csv"))
        format = ListFormat::Csv;
    else if (suffix == QLatin1String("txt"))
        format = ListFormat::FideTxt;
    else
        return false;
    return true;
}

std::string_view lineView(const QByteArray &line)
{
    std::string_view view(line.constData(), std::size_t(line.size()));
    while (!view.empty() && (view.back() == '\n' || view.back() == '\r'))
        view.remove_suffix(1);
    return view;
}

void skip(ListReadResult &result, qint64 lineNo)
{
    if (result.skipped++ == 0)
        result.firstSkippedLine = lineNo;
}

class ProgressTeller {
  public:
    ProgressTeller(const QIODevice &device, const std::function<void(int)> &progress)
        : m_device(device), m_progress(progress)
    {
    }
    void tell(qint64 position)
    {
        const qint64 size = m_device.size();
        if (m_progress && size > 0)
            m_progress(int(std::clamp<qint64>(position * 1000 / size, 0, 1000)));
    }

  private:
    const QIODevice &m_device;
    const std::function<void(int)> &m_progress;
};

void readLines(QIODevice &device, ListFormat format, const CsvColumns &csvColumns,
               const std::function<void(const ListPlayer &)> &sink,
               const std::function<void(int)> &progress, const std::atomic_bool &cancel,
               ListReadResult &result)
{
    ProgressTeller teller(device, progress);
    std::optional<FideTxtLayout> layout;
    bool headerRead = false;
    qint64 lineNo = 0;
    qint64 consumed = 0;
    QByteArray line;
    while (!device.atEnd()) {
        line = device.readLine();
        if (line.isEmpty() && !device.atEnd()) {
            result.error = device.errorString();
            return;
        }
        consumed += line.size();
        ++lineNo;
        if (lineNo % kProgressStep == 0) {
            if (cancel.load()) {
                result.cancelled = true;
                return;
            }
            teller.tell(consumed);
        }
        const std::string_view text = lineView(line);
        if (text.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        if (format == ListFormat::FideTxt) {
            if (!headerRead) {
                headerRead = true;
                std::vector<std::string> missing;
                layout = FideTxtLayout::fromHeader(text, &missing);
                if (!layout) {
                    QStringList names;
                    for (const std::string &name : missing)
                        names << QCoreApplication::translate("RatingList", "«%1»",
                                                             "a column's heading in quotes")
                                     .arg(QString::fromStdString(name));
                    result.error =
                        QCoreApplication::translate(
                            "RatingList", "в первой строке не найдены столбцы списка ФИДЕ: %1")
                            .arg(names.join(QStringLiteral(", ")));
                    return;
                }
                continue;
            }
            if (const std::optional<ListPlayer> player = layout->read(text)) {
                sink(*player);
                ++result.players;
            } else {
                skip(result, lineNo);
            }
            continue;
        }
        if (!headerRead && csvColumns.headerLine) {
            headerRead = true;
            continue;
        }
        headerRead = true;
        if (const std::optional<ListPlayer> player =
                readCsvPlayer(splitCsvLine(text, csvColumns.separator), csvColumns)) {
            sink(*player);
            ++result.players;
        } else {
            skip(result, lineNo);
        }
    }
    result.ok = true;
}

void readXml(QIODevice &device, const std::function<void(const ListPlayer &)> &sink,
             const std::function<void(int)> &progress, const std::atomic_bool &cancel,
             ListReadResult &result)
{
    ProgressTeller teller(device, progress);
    QXmlStreamReader xml(&device);
    qint64 seen = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("player"))
            continue;
        const qint64 lineNo = xml.lineNumber();
        ListPlayer player;
        bool malformed = false;
        QString rating;
        while (xml.readNextStartElement()) {
            const QStringView tag = xml.name();
            const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            bool number = true;
            if (tag == QLatin1String("fideid"))
                player.fideId = text.toLongLong(&number);
            else if (tag == QLatin1String("name"))
                player.name = text.toStdString();
            else if (tag == QLatin1String("country"))
                player.federation = text.toUpper().toStdString();
            else if (tag == QLatin1String("sex"))
                player.sex = readSex(text.toStdString());
            else if (tag == QLatin1String("title") || tag == QLatin1String("w_title")) {
                if (player.title.empty())
                    player.title = knownTitle(text.toStdString());
            } else if (tag == QLatin1String("rating"))
                player.rating = text.isEmpty() ? 0 : text.toInt(&number);
            else if (tag == QLatin1String("k"))
                player.k = std::max(0, text.toInt()); // none or no number: not given
            else if (tag == QLatin1String("birthday"))
                player.birthYear = text.isEmpty() ? 0 : text.toInt(&number);
            malformed = malformed || !number;
        }
        if (xml.hasError())
            break;
        if (malformed || player.fideId <= 0 || player.name.empty() || player.rating < 0 ||
            player.birthYear < 0) {
            skip(result, lineNo);
        } else {
            sink(player);
            ++result.players;
        }
        if (++seen % kProgressStep == 0) {
            if (cancel.load()) {
                result.cancelled = true;
                return;
            }
            teller.tell(readSoFar(device));
        }
    }
    if (xml.hasError()) {
        result.error = QCoreApplication::translate("RatingList", "XML испорчен в строке %1: %2")
                           .arg(xml.lineNumber())
                           .arg(xml.errorString());
        return;
    }
    result.ok = true;
}

} // namespace

bool listFormatOf(const QString &path, ListFormat &format, QString &error)
{
    QString name;
    if (!openList(path, name, error))
        return false;
    if (!formatOfName(name, format)) {
        error = QCoreApplication::translate(
            "RatingList", "не похож на рейтинг-лист: ожидается .txt или .xml ФИДЕ, .csv или "
                          ".zip с одним из них");
        return false;
    }
    return true;
}

QString firstCsvLine(const QString &path, QString &error)
{
    QString name;
    std::unique_ptr<QIODevice> device = openList(path, name, error);
    if (!device)
        return {};
    return QString::fromStdString(asUtf8(lineView(device->readLine())));
}

ListReadResult readListFile(const QString &path, const CsvColumns &csvColumns,
                            const std::function<void(const ListPlayer &)> &sink,
                            const std::function<void(int permille)> &progress,
                            const std::atomic_bool &cancel)
{
    ListReadResult result;
    QString name;
    ListFormat format = ListFormat::FideTxt;
    std::unique_ptr<QIODevice> device = openList(path, name, result.error);
    if (!device)
        return result;
    if (!formatOfName(name, format)) {
        result.error = QCoreApplication::translate("RatingList", "не похож на рейтинг-лист");
        return result;
    }
    if (format == ListFormat::FideXml)
        readXml(*device, sink, progress, cancel, result);
    else
        readLines(*device, format, csvColumns, sink, progress, cancel, result);
    // A cancel that came after the last look still counts: nothing is put in place.
    if (cancel.load()) {
        result.ok = false;
        result.cancelled = true;
    }
    if (result.ok && readFailed(*device)) {
        result.ok = false;
        result.error = QCoreApplication::translate("RatingList", "файл не дочитан: %1")
                           .arg(device->errorString());
    }
    if (result.ok && progress)
        progress(1000);
    return result;
}

} // namespace krugovik
