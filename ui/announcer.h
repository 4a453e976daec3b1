#pragma once
// The news of a round, spoken by screen readers: its start, each word
// added, the last seconds, a pause and the end with the score; and what the
// player asks for (a hint, the words left).
//
// Qt 6.4 has no call that makes a screen reader speak. Desktop
// notifications reach it this way, and Orca speaks them: an object in the
// notification role, inside a status bar, that starts showing. Both are
// hidden widgets of the main window, so the news draws nothing and the
// focus stays where it is. The player turns the news off and on again (F7);
// the choice is kept in the player's settings.

#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

class QAccessibleInterface;
class QWidget;

namespace game {
class MainLogic;
}

class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    bool enabled() const;
    // Turns the news off or on, keeps the choice and says which.
    void toggle();
    // Says `text` now, when the news is on.
    void say(const QString& text);
    // Says `text` now, news on or off: the player asked for it.
    void tell(const QString& text);
    // Says what changed in the round since the last call.
    void follow(const game::MainLogic& logic);

    // The screen-reader interfaces of the two hidden widgets, for QAccessible::installFactory.
    static QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);

    // What the news says, for the window and its tests.
    // In another board language than English it names it ("German").
    static QString roundStarted(int minutes, const QString& language = {});
    static QString wordAdded(const std::string& word, int points); // 0 points: not a word
    static QString hintedWordAdded(const std::string& word);
    static QString secondsLeft(int seconds);                       // empty: none said then
    static QString roundOver(int score);

signals:
    // Each piece of news as it goes out to screen readers.
    void said(const QString& text);

private:
    void speak(const QString& text);

    QWidget* bar_;
    QWidget* note_;
    mutable std::optional<bool> enabled_; // read from the settings when first needed

    struct Seen {
        bool running = false;
        bool paused = false;
        std::size_t words = 0;
        int score = 0;
        std::string seconds;
    };
    Seen seen_;
};
