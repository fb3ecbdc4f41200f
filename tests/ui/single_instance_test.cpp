// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy: a second start is refused with its message, a crashed copy's lock does not block,
// and a second start with a births file hands the file to the running copy, which opens it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include "ui/births/births_window.h"
#include "ui/births/births_book.h"
#include "app/later_starts.h"
#include "app/single_instance.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondStartIsRefusedOnceAndTheFirstKeepsRunning() {
        QTemporaryDir dir;
        TestShell first, second;
        SingleInstance running(dir.path());
        QVERIFY(!first.shell.RefuseSecondInstance(running));
        QSignalSpy knocked(&running, &SingleInstance::ActivationRequested);

        SingleInstance another(dir.path());
        QVERIFY(second.shell.RefuseSecondInstance(another));
        QCOMPARE(second.messages.shown,
                 (QVector<ShownMessage>{{"Application is already running", MessageIcon::Information}}));
        QCOMPARE(second.quits, 1);
        QVERIFY(knocked.wait(2000));  // the running copy hears of the attempt

        QVERIFY(first.messages.shown.isEmpty());
        QCOMPARE(first.quits, 0);
        QVERIFY(running.TryBecomePrimary());  // still holds the lock
    }

    void secondStartWithAFileHandsItOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a name, with\nodd ümlauts.aaf"));
        QFile births(path);
        QVERIFY(births.open(QIODevice::WriteOnly));
        births.write("#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he00,0\n");
        births.close();

        TestShell first, second;
        SingleInstance running(dir.path());
        QVERIFY(!first.shell.RefuseSecondInstance(running));
        auto form = OpenBirthForm(first);
        form->Births().SetSettingsFile(dir.filePath(QStringLiteral("settings.conf")));
        ServeLaterStarts(running, *form);
        QSignalSpy knocked(&running, &SingleInstance::ActivationRequested);

        SingleInstance another(dir.path());
        QVERIFY(second.shell.RefuseSecondInstance(another, path));
        QVERIFY(another.HandedOver());
        QVERIFY(second.messages.shown.isEmpty());  // handed over: nothing to tell
        QCOMPARE(second.quits, 1);

        QVERIFY(knocked.wait(2000));
        QTRY_VERIFY(form->Births().File());
        QCOMPARE(form->Births().FilePath(), path);
        QVERIFY(form->Births().Window()->isVisible());
        QCOMPARE(form->Births().Window()->CountText(), QStringLiteral("1 birth"));
        QVERIFY(first.messages.shown.isEmpty());

        // Without a file the rule stays: the message, and the running copy only comes to the front.
        TestShell third;
        SingleInstance yetAnother(dir.path());
        QVERIFY(third.shell.RefuseSecondInstance(yetAnother));
        QCOMPARE(third.messages.shown,
                 (QVector<ShownMessage>{{"Application is already running", MessageIcon::Information}}));
        QVERIFY(knocked.wait(2000));
        QCOMPARE(form->Births().FilePath(), path);
    }

    // What reaches the running copy's socket: each line is one request, in any pieces; a caller that says
    // nothing is a plain wake-up; an endless stream is cut off without opening anything; and only this user
    // may knock.
    void theSocketTakesRequestsAsLines() {
        QTemporaryDir dir;
        SingleInstance running(dir.path());
        QVERIFY(running.TryBecomePrimary());
        QSignalSpy knocked(&running, &SingleInstance::ActivationRequested);
        QSignalSpy opened(&running, &SingleInstance::FileOpenRequested);
        QCOMPARE(QFileInfo(running.ServerPath()).permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());

        const auto knock = [&running](const QList<QByteArray>& pieces) {
            QLocalSocket caller;
            caller.connectToServer(running.ServerPath());
            QVERIFY(caller.waitForConnected(2000));
            for (const QByteArray& piece : pieces) {
                caller.write(piece);
                QVERIFY(caller.waitForBytesWritten(2000));
                QTest::qWait(20);
            }
            caller.disconnectFromServer();
        };
        knock({"open file:///tmp/a", "%20b.aaf\nactivate\n"});
        QTRY_COMPARE(knocked.size(), 2);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), QStringLiteral("/tmp/a b.aaf"));

        knock({});
        QTRY_COMPARE(knocked.size(), 3);

        knock({QByteArray(70 * 1024, 'x') + "open file:///tmp/never.aaf\n"});
        QTRY_COMPARE(knocked.size(), 4);
        QCOMPARE(opened.size(), 1);
    }

    void lockIsFreeAgainAfterAnOrderlyEnd() {
        QTemporaryDir dir;
        {
            SingleInstance first(dir.path());
            QVERIFY(first.TryBecomePrimary());
        }
        SingleInstance next(dir.path());
        QVERIFY(next.TryBecomePrimary());
    }

    void copyInAnotherProcessBlocksUntilItCrashes() {
        QTemporaryDir dir;
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER), {dir.path()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        {
            SingleInstance second(dir.path());
            QVERIFY(!second.TryBecomePrimary());
        }
        // Age alone must not make a live copy's lock stale.
        QFile lockFile(QDir(dir.path()).filePath(QStringLiteral("quorvane.lock")));
        QVERIFY(lockFile.open(QIODevice::Append));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        lockFile.close();
        {
            SingleInstance second(dir.path());
            QVERIFY(!second.TryBecomePrimary());
        }

        holder.kill();  // no clean-up runs: lock file and socket file stay behind
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("quorvane.lock"))));

        SingleInstance after(dir.path());
        QVERIFY(after.TryBecomePrimary());
        QLocalSocket probe;  // and it answers on the socket the crashed copy left
        probe.connectToServer(after.ServerPath());
        QVERIFY(probe.waitForConnected(2000));
    }

    // A socket path longer than a local address holds: the server cannot listen. The copy runs on and says
    // why on standard error; a later start is still refused by the lock and told so, a file not handed over.
    void serverThatCannotListenIsReported() {
        QTemporaryDir dir;
        const QString deep = dir.filePath(QString(120, u'd'));
        QVERIFY(QDir().mkpath(deep));
        TestShell first, second;
        SingleInstance running(deep);
        QVERIFY(!first.shell.RefuseSecondInstance(running));
        QVERIFY2(!running.ListenFailure().isEmpty(), "the failed listen is kept and reported");

        SingleInstance another(deep);
        QVERIFY(second.shell.RefuseSecondInstance(another, dir.filePath(QStringLiteral("births.aaf"))));
        QVERIFY(!another.HandedOver());
        QCOMPARE(second.messages.shown,
                 (QVector<ShownMessage>{{"Application is already running", MessageIcon::Information}}));
    }

    void unwritableLockFolderFallsBackOnTheSocket() {
        if (geteuid() == 0) {
            // Folder permissions do not bind root (as CI runs): this case runs again as an unprivileged user.
            const QString runuser = QStandardPaths::findExecutable(QStringLiteral("runuser"));
            QVERIFY2(!runuser.isEmpty(), "runuser (util-linux) is needed to drop root");
            // The build tree may be where nobody cannot reach it (a clone under /root): the user runs a copy
            // of this test from a folder it can read.
            QTemporaryDir place;
            QVERIFY(place.isValid());
            const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                  QFileDevice::ExeOther;
            QVERIFY(QFile::setPermissions(place.path(), readable));
            const QString copy = place.filePath(QStringLiteral("single_instance_test"));
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
            QVERIFY(QFile::setPermissions(copy, readable));
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.setWorkingDirectory(place.path());
            child.start(runuser, {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), copy,
                                  QString::fromLatin1(QTest::currentTestFunction())});
            QVERIFY(child.waitForFinished(30000));
            const QByteArray out = child.readAll();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, out.constData());
            QVERIFY2(out.contains("PASS   : SingleInstanceTest::unwritableLockFolderFallsBackOnTheSocket()"),
                     out.constData());
            return;
        }
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        SingleInstance lonely(dir.path());
        QVERIFY(lonely.TryBecomePrimary());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
