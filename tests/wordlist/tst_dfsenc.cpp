#include "dfsenc.h"

#include <QTest>

#include <string>

Q_DECLARE_METATYPE(std::string)

class TestDfsenc : public QObject {
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void roundTrip();
};

void TestDfsenc::decode_data()
{
    QTest::addColumn<std::string>("in");
    QTest::addColumn<std::string>("out");

    QTest::newRow("empty") << std::string() << std::string();
    QTest::newRow("codes 0 to 9 unchanged")
        << std::string("\0\1\2\3\4\5\6\7\x08\x09", 10) << std::string("\0\1\2\3\4\5\6\7\x08\x09", 10);
    QTest::newRow("code 10 becomes 0") << std::string("\x0a") << std::string("\0", 1);
    QTest::newRow("letters") << std::string("krkx") << std::string("ahan");
    QTest::newRow("high codes as unsigned") << std::string("\xff\x80") << std::string("\xf5\x76");
    QTest::newRow("mixed around the threshold")
        << std::string("\x09\x0a\x0b", 3) << std::string("\x09\x00\x01", 3);
}

void TestDfsenc::decode()
{
    QFETCH(std::string, in);
    QFETCH(std::string, out);
    const std::string got = dfsenc::decodeline(in);
    QCOMPARE(got.size(), in.size());
    QVERIFY(got == out);
}

void TestDfsenc::encode_data()
{
    QTest::addColumn<std::string>("in");
    QTest::addColumn<std::string>("out");

    QTest::newRow("empty") << std::string() << std::string();
    QTest::newRow("letters") << std::string("ahan") << std::string("krkx");
    QTest::newRow("code 0") << std::string("\0", 1) << std::string("\x0a");
    QTest::newRow("wraps modulo 256") << std::string("\xf6\xff") << std::string("\x00\x09", 2);
}

void TestDfsenc::encode()
{
    QFETCH(std::string, in);
    QFETCH(std::string, out);
    QVERIFY(dfsenc::encodeline(in) == out);
}

void TestDfsenc::roundTrip()
{
    // Every code the generator can meet (0 to 245) survives encode then decode.
    std::string all;
    for (int c = 0; c <= 245; ++c)
        all.push_back(static_cast<char>(c));
    QVERIFY(dfsenc::decodeline(dfsenc::encodeline(all)) == all);
}

QTEST_GUILESS_MAIN(TestDfsenc)
#include "tst_dfsenc.moc"
