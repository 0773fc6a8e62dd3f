#include "view_cpp/window_sizes.h"

#include <QTest>

class TestWindowSizes : public QObject
{
    Q_OBJECT

private slots:
    void appSizePerProductType_data();
    void appSizePerProductType();
    void systemTypeWord_data();
    void systemTypeWord();
    void brandWord_data();
    void brandWord();
};

void TestWindowSizes::appSizePerProductType_data()
{
    QTest::addColumn<int>("productType");
    QTest::addColumn<QSize>("size");
    QTest::newRow("fell wifi") << 0 << QSize(272, 480);
    QTest::newRow("fell") << 1 << QSize(272, 480);
    QTest::newRow("pc") << 2 << QSize(340, 600);
    QTest::newRow("past the table") << 3 << QSize(0, 0);
    QTest::newRow("negative") << -1 << QSize(0, 0);
}

void TestWindowSizes::appSizePerProductType()
{
    QFETCH(int, productType);
    QFETCH(QSize, size);
    QCOMPARE(view::appSize(view::appSizeTable(), productType), size);
}

void TestWindowSizes::systemTypeWord_data()
{
    QTest::addColumn<int>("productType");
    QTest::addColumn<QString>("word");
    QTest::newRow("fell wifi") << 0 << "fell";
    QTest::newRow("fell") << 1 << "fell";
    QTest::newRow("pc") << 2 << "pc";
    QTest::newRow("3") << 3 << "";
    QTest::newRow("7") << 7 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestWindowSizes::systemTypeWord()
{
    QFETCH(int, productType);
    QFETCH(QString, word);
    QCOMPARE(view::systemTypeQmlKey(productType), word);
}

void TestWindowSizes::brandWord_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("word");
    QTest::newRow("vaho") << 0 << "vaho";
    QTest::newRow("lumo") << 1 << "lumo";
    QTest::newRow("orvela") << 2 << "orvela";
    QTest::newRow("kastela") << 3 << "kastela";
    QTest::newRow("undefined") << 4 << "undefined";
    QTest::newRow("5") << 5 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestWindowSizes::brandWord()
{
    QFETCH(int, brand);
    QFETCH(QString, word);
    QCOMPARE(view::systemBrandQmlKey(brand), word);
}

QTEST_APPLESS_MAIN(TestWindowSizes)
#include "tst_window_sizes.moc"
