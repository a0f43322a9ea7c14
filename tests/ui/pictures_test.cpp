#include "widgets/Resources.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

// The pictures of the windows come with a variant of twice the size, which a screen scaled to
// 200 % takes instead of enlarging the small one.
class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { birch::Init_Resources(); }

    void everyPictureHasATwiceAsLargeVariant_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"VelmoraLogo", "info", "options", "close"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everyPictureHasATwiceAsLargeVariant()
    {
        QFETCH(QString, name);
        const QString file = QStringLiteral(":/birch/%1.png").arg(name);
        const QImage normal(file);
        const QImage large(QStringLiteral(":/birch/%1@2x.png").arg(name));
        QVERIFY(!normal.isNull());
        QCOMPARE(large.size(), normal.size() * 2);
        // The windows' icon draws from the large variant at twice the size.
        const QSize drawn = normal.size() * 3 / 4;
        const QPixmap pixmap = birch::pictureIcon(name).pixmap(drawn, 2.0);
        QCOMPARE(pixmap.size(), drawn * 2);
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
