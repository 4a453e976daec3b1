#pragma once
// Shared helpers of the window tests.

#include "application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

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

#define GOLEXORB_UI_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        golexorb::setupApplication();                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
