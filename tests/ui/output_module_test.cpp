// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's pictures and printing through the output module: Qt Svg and Qt Print Support stay
// out of the process until the first picture, the pictures then come out as with Qt Svg linked in, and a
// missing or foreign module is said, not fatal. This test is built as the window program is (property
// QUORVANE_OUTPUT_MODULE).

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QtTest>

#include "output/output_module.h"
#include "report/reading_report.h"
#include "report/svg_pictures.h"

using namespace quorvane;

namespace {
bool Loaded(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
    return inked;
}
}  // namespace

class OutputModuleTest : public QObject {
    Q_OBJECT

private slots:
    // The window program itself does not name the libraries; only the module does.
    void theProgramLinksNeitherLibrary() {
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(QUORVANE_PROGRAM)});
        QVERIFY(readelf.waitForFinished(20000));
        const QByteArray dynamic = readelf.readAllStandardOutput();
        QVERIFY(dynamic.contains("libQt6Widgets"));
        QVERIFY(!dynamic.contains("libQt6Svg"));
        QVERIFY(!dynamic.contains("libQt6PrintSupport"));
    }

    void librariesComeWithTheFirstPicture() {
        QVERIFY(!Loaded("libQt6Svg"));
        QVERIFY(!Loaded("libQt6PrintSupport"));
        svg::Picture* teach = report::SignPicture("Teach");
        QVERIFY(teach);
        QVERIFY(Loaded("libQt6Svg"));
        QImage image(40, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            teach->Render(painter, QRectF(0, 0, 40, 48));
        }
        QVERIFY(InkedPixels(image) > 40 * 48 / 4);
        QVERIFY(!report::SignPicture("Elsewhere"));  // no such picture: none, and no crash

        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(svg::Write(out, {QSize(20, 20), QRectF(0, 0, 20, 20), QStringLiteral("A ring")},
                           [](QPainter& painter) { painter.drawEllipse(QRectF(2, 2, 16, 16)); }));
        QVERIFY(out.data().contains("<svg"));
        QVERIFY(out.data().contains("<title>A ring</title>"));
    }

    void missingOrForeignModuleIsSaidAndRefused() {
        QString error;
        QVERIFY(!LoadOutputModule(QStringLiteral("/nonexistent/quorvane-output.so"), error));
        QVERIFY(!error.isEmpty());
        error.clear();
        // A real library that is not the module.
        QVERIFY(!LoadOutputModule(QStringLiteral(QUORVANE_FOREIGN_LIBRARY), error));
        QVERIFY2(error.contains(QLatin1String("quorvane_output_module")), qPrintable(error));
    }

    // Without the module the program says so once; each picture then is simply absent, not reported again.
    void aMissingModuleIsSaidOnce() {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORVANE_OUTPUT_MODULE"), QStringLiteral("/nonexistent/quorvane-output.so"));
        env.insert(QStringLiteral("QUORVANE_TEST_WITHOUT_MODULE"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("picturesWithoutTheModule")});
        QVERIFY(child.waitForFinished(30000));
        const QString said = QString::fromUtf8(child.readAll());
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(said.count(QLatin1String("sign pictures, SVG files and printing are not available")), 1);
        QVERIFY2(!said.contains(QLatin1String("is missing")), qPrintable(said));
    }

    // Run by the test above, in a process of its own.
    void picturesWithoutTheModule() {
        if (!qEnvironmentVariableIsSet("QUORVANE_TEST_WITHOUT_MODULE")) QSKIP("run by aMissingModuleIsSaidOnce");
        QVERIFY(!svg::Available());
        for (const char* sign : {"Teach", "Build", "Law"}) QVERIFY(!report::SignPicture(sign));
        QVERIFY(!svg::Load("<svg xmlns=\"http://www.w3.org/2000/svg\"/>")->IsValid());
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(!svg::Write(out, {}, [](QPainter&) {}));
    }
};

QTEST_MAIN(OutputModuleTest)
#include "output_module_test.moc"
