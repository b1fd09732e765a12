#include "ApplicationIcon.h"
#include "TestEnvironment.h"

#include <QColorSpace>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

// The icon is built into the program from its pictures at build time; what a window shows
// must be what reading those pictures gives.
class TestApplicationIcon : public QObject {
    Q_OBJECT
private slots:
    void sameAsItsPictures_data()
    {
        QTest::addColumn<int>("pixels");
        for (int pixels : {16, 32, 48})
            QTest::addRow("%d px", pixels) << pixels;
    }

    void sameAsItsPictures()
    {
        QFETCH(int, pixels);
        QImageReader reader(QStringLiteral(HCN_ICON_FOLDER "/app-%1.png").arg(pixels));
        QImage read = reader.read();
        QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
        // The pictures' gamma label is not carried over: painting and the window system take
        // the pixels as they are.
        read.setColorSpace(QColorSpace());
        // Both through a pixmap, as a window and the window system get them.
        const QImage expected = QPixmap::fromImage(read).toImage();
        const QImage shown = applicationIcon().pixmap(QSize(pixels, pixels)).toImage();
        QCOMPARE(shown.format(), expected.format());
        QCOMPARE(shown, expected);
    }

    void onlyTheWindowSizes()
    {
        QCOMPARE(applicationIcon().availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
    }
};

HCN_TEST_MAIN(TestApplicationIcon)
#include "test_application_icon.moc"
