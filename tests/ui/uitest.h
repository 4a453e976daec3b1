#pragma once
// Shared helpers of the window tests.

#include "application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include "board.h"

// The board most window tests play on: it spells CAT (cells 0 1 2), DOG
// (4 5 6), QUIZ (8 to 11) and READ (12 to 15).
inline const QString kBoard = QStringLiteral("CATSDOGEQUIZREAD");

// A random source that draws `board`'s letters, cell by cell, again and again.
inline std::function<double()> boardSource(const QString& board)
{
    auto next = std::make_shared<int>(0);
    return [board, next] {
        const auto pos = game::kLetterPool.find(board.at(*next % 16).toLatin1());
        ++*next;
        return (static_cast<double>(pos) + 1.0) / 102.0;
    };
}

// Modal windows block a test until somebody closes them: this answers the
// next one that opens. `seen` is called with it first.
inline void answerNextModal(std::function<void(QWidget*)> seen = {})
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        if (seen)
            seen(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    timer->start();
}

// Each test process gets its own temporary folder for the word list copy.
struct PrivateTmp {
    QTemporaryDir dir;
    PrivateTmp() { qputenv("TMPDIR", dir.path().toLocal8Bit()); }
};

// A home of its own for one test, in Qt's test mode, so the records and
// settings a round writes stay out of the player's; given back on the way
// out, also when a check fails.
struct PrivateHome {
    QTemporaryDir dir;
    QByteArray realHome = qgetenv("HOME");
    PrivateHome()
    {
        qputenv("HOME", dir.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    ~PrivateHome()
    {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", realHome);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;
    QString filePath(const QString& name) const { return dir.filePath(name); }
    QString path() const { return dir.path(); }
};

#define GOLEXORB_UI_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        golexorb::setupApplication();                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
