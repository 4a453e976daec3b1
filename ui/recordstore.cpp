#include "recordstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace golexorb {

namespace {

// Far more than years of rounds; a bigger file is not ours.
constexpr qint64 kMaxFileSize = 1 << 20;

void warn(const QString& text)
{
    std::fprintf(stderr, "golexorb: %s\n", qPrintable(text));
}

// A free name beside the file for keeping an unreadable one.
QString asideName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    return name;
}

// The records in the file; empty ones when there is no file. Nothing when
// the file is there but cannot be used and must be left alone.
std::optional<game::Records> load(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return game::Records{};
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("cannot read the records file %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    std::string problem;
    std::optional<game::Records> records;
    if (file.size() > kMaxFileSize) {
        problem = "it is too large";
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            warn(QStringLiteral("cannot read the records file %1: %2").arg(path, file.errorString()));
            return std::nullopt;
        }
        records = game::parseRecords(std::string_view(bytes.constData(), std::size_t(bytes.size())), &problem);
    }
    file.close();
    if (records)
        return records;

    const QString aside = asideName(path);
    if (!QFile::rename(path, aside)) {
        warn(QStringLiteral("the records file %1 is unreadable (%2) and could not be renamed; it is left as it is")
                 .arg(path, QString::fromStdString(problem)));
        return std::nullopt;
    }
    warn(QStringLiteral("the records file %1 is unreadable (%2); it was kept as %3 and the records start afresh")
             .arg(path, QString::fromStdString(problem), aside));
    return game::Records{};
}

bool save(const QString& path, const game::Records& records)
{
    const std::string text = game::formatRecords(records);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
        warn(QStringLiteral("cannot write the records file %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace

RecordStore::RecordStore(QString folder)
    : folder_(std::move(folder))
{
}

QString RecordStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString RecordStore::folder() const
{
    return folder_.isEmpty() ? defaultFolder() : folder_;
}

QString RecordStore::filePath() const
{
    return QDir(folder()).filePath(QStringLiteral("records.txt"));
}

game::RecordNote RecordStore::finishRound(const game::Round& round)
{
    const int minutes = round.minutes;
    game::RecordNote note;
    note.minutes = minutes;
    if (!game::isRoundLength(minutes))
        return note;
    note.unavailable = true;

    const QString dir = folder();
    // The data folder need not exist yet.
    if (dir.isEmpty() || !QDir().mkpath(dir)) {
        warn(QStringLiteral("cannot make the folder %1 for the records").arg(dir));
        return note;
    }
    QLockFile lock(QDir(dir).filePath(QStringLiteral("records.lock")));
    if (!lock.tryLock(10000)) {
        warn(QStringLiteral("the records in %1 are locked by another copy of the game; this round was not entered").arg(dir));
        return note;
    }
    const QString path = filePath();
    auto records = load(path);
    if (!records)
        return note;
    const bool changed = game::enterRound(*records, round);
    note.best = records->bestFor(minutes);
    note.newRecord = changed;
    note.progress = game::progressFor(*records, minutes);
    // Written after every round that scored, so a file kept aside is
    // replaced by a good one at once.
    if (game::recordable(minutes, round.score) && !save(path, *records))
        return note;
    note.unavailable = false;
    return note;
}

} // namespace golexorb
