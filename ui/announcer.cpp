#include "announcer.h"

#include "application.h"
#include "mainlogic.h"
#include "translations.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QSettings>
#include <QWidget>

#include <utility>

namespace {

class AnnouncerBar : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class AnnouncerNote : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

const QString kSettingKey = QStringLiteral("announcements");
constexpr qsizetype kKeptNotes = 32;

} // namespace

Announcer::Announcer(QWidget* window)
    : QObject(window)
    , bar_(new AnnouncerBar(window))
    , note_(new AnnouncerNote(bar_))
{
    bar_->setObjectName(QStringLiteral("announcements"));
    note_->setObjectName(QStringLiteral("announcement"));
    bar_->hide();
}

QAccessibleInterface* Announcer::accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("AnnouncerBar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className == QLatin1String("AnnouncerNote"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

bool Announcer::enabled() const
{
    if (!enabled_)
        enabled_ = golexorb::playerSettings().value(kSettingKey, true).toBool();
    return *enabled_;
}

void Announcer::toggle()
{
    enabled_ = !enabled();
    golexorb::playerSettings().setValue(kSettingKey, *enabled_);
    speak(*enabled_ ? QCoreApplication::translate("Announcer", "Announcements on") : QCoreApplication::translate("Announcer", "Announcements off"));
}

void Announcer::say(const QString& text)
{
    if (enabled())
        speak(text);
}

void Announcer::tell(const QString& text)
{
    speak(text);
}

void Announcer::speak(const QString& text)
{
    // Each piece of news is a notification of its own, in a note of its own:
    // a screen reader reads the note's name when it comes to the event, and
    // a note renamed by the next piece said at once (a round's end and the
    // room's standings) would be read twice, the first piece never. The
    // last few stay for a reader that lags behind.
    QAccessibleEvent hide(note_, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    note_ = new AnnouncerNote(bar_);
    note_->setObjectName(QStringLiteral("announcement"));
    note_->setAccessibleName(text);
    QAccessibleEvent show(note_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
    const auto notes = bar_->findChildren<AnnouncerNote*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i + kKeptNotes < notes.size(); ++i)
        delete notes[i];
    emit said(text);
}

void Announcer::follow(const game::MainLogic& logic)
{
    const Seen now{logic.running(), logic.paused(), logic.wordlst().size(), logic.score(), logic.seconds().caption};
    const Seen was = std::exchange(seen_, now);
    if (now.running && !was.running) {
        const auto& language = logic.roundLanguage();
        say(roundStarted(logic.roundMinutes(), language.english() ? QString() : golexorb::languageName(language)));
        return;
    }
    if (!now.running) {
        if (was.running)
            say(roundOver(now.score));
        return;
    }
    // The word as its language spells it ("été", not "ete").
    if (now.words == was.words + 1) {
        const std::string& word = logic.wordlst().back();
        say(logic.hinted(word) ? hintedWordAdded(logic.spelling(word))
                               : wordAdded(logic.spelling(word), now.score - was.score));
    }
    if (now.paused != was.paused)
        say(now.paused ? QCoreApplication::translate("Announcer", "Round paused") : QCoreApplication::translate("Announcer", "Round resumed"));
    if (now.seconds != was.seconds) {
        if (const QString left = secondsLeft(golexorb::fromUtf8(now.seconds).toInt()); !left.isEmpty())
            say(left);
    }
}

QString Announcer::roundStarted(int minutes, const QString& language)
{
    if (minutes <= 0)
        return language.isEmpty() ? QCoreApplication::translate("Announcer", "Round started with no game time")
                                  : QCoreApplication::translate("Announcer", "Round started with no game time, in %1").arg(language);
    return language.isEmpty() ? QCoreApplication::translate("Announcer", "%1-minute round started").arg(minutes)
                              : QCoreApplication::translate("Announcer", "%1-minute round started, in %2").arg(minutes).arg(language);
}

QString Announcer::wordAdded(const std::string& word, int points)
{
    const QString w = golexorb::fromUtf8(word).toLower();
    return points > 0 ? QCoreApplication::translate("Announcer", "%1, %2 points").arg(w).arg(points)
                      : QCoreApplication::translate("Announcer", "%1, not a word").arg(w);
}

QString Announcer::hintedWordAdded(const std::string& word)
{
    return QCoreApplication::translate("Announcer", "%1, hinted: no points").arg(golexorb::fromUtf8(word).toLower());
}

QString Announcer::secondsLeft(int seconds)
{
    if (seconds == 30 || seconds == 10 || (seconds >= 1 && seconds <= 5))
        return golexorb::englishPlural(QCoreApplication::translate("Announcer", "%n second(s) left", nullptr, seconds), seconds);
    return {};
}

QString Announcer::roundOver(int score)
{
    return QCoreApplication::translate("Announcer", "Round over. Your score: %1").arg(score);
}

#include "announcer.moc"
