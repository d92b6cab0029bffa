#include "qtcore/platform/IcuCollator.h"

#include <QtTest>

#include <algorithm>

using CTexts = std::vector<std::wstring>;
Q_DECLARE_METATYPE(CTexts)

class IcuCollatorTest : public QObject {
    Q_OBJECT
private slots:
    void ordersAsAReaderExpects_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<CTexts>("texts");
        QTest::addColumn<CTexts>("sorted");
        // Accented letters sit beside their base letters, not after Z; case is
        // ignored, so texts that differ only in case keep their order.
        QTest::newRow("accents and case")
            << QByteArray("en_US") << CTexts{L"Emma", L"\u00C9mile", L"eli", L"Zo\u00EB", L"anna", L"Anna"}
            << CTexts{L"anna", L"Anna", L"eli", L"\u00C9mile", L"Emma", L"Zo\u00EB"};
        QTest::newRow("Cyrillic by the alphabet")
            << QByteArray("ru_RU")
            << CTexts{L"\u042F\u043A", L"\u0401\u0436", L"\u0415\u0433", L"\u0436\u0443"}
            << CTexts{L"\u0415\u0433", L"\u0401\u0436", L"\u0436\u0443", L"\u042F\u043A"};
        QTest::newRow("a shorter text first") << QByteArray() << CTexts{L"Anna", L"Ann", L"Ann \U0001F333"}
                                              << CTexts{L"Ann", L"Ann \U0001F333", L"Anna"};
    }
    void ordersAsAReaderExpects()
    {
        QFETCH(QByteArray, locale);
        QFETCH(CTexts, texts);
        QFETCH(CTexts, sorted);
        const CIcuCollator collator(locale.constData());
        std::stable_sort(texts.begin(), texts.end(), [&](const std::wstring& a, const std::wstring& b) {
            std::string keyA, keyB;
            collator.AppendSortKey(a, keyA);
            collator.AppendSortKey(b, keyB);
            return keyA < keyB;
        });
        QCOMPARE(texts, sorted);
    }
};

QTEST_GUILESS_MAIN(IcuCollatorTest)
#include "IcuCollatorTest.moc"
