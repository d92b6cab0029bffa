#include "qtcore/platform/IcuCollator.h"

#include <QtTest>

#include <algorithm>

using CTexts = std::vector<std::wstring>;

class IcuCollatorTest : public QObject {
    Q_OBJECT
private slots:
    // Accented letters sit beside their base letters, not after Z; case is
    // ignored, so texts that differ only in case keep their order.
    void ordersAsAReaderExpects()
    {
        const std::tuple<const char*, CTexts, CTexts> cases[] = {
            {"en_US", {L"Emma", L"\u00C9mile", L"eli", L"Zo\u00EB", L"anna", L"Anna"},
             {L"anna", L"Anna", L"eli", L"\u00C9mile", L"Emma", L"Zo\u00EB"}},
            {"ru_RU", {L"\u042F\u043A", L"\u0401\u0436", L"\u0415\u0433", L"\u0436\u0443"}, // by the alphabet
             {L"\u0415\u0433", L"\u0401\u0436", L"\u0436\u0443", L"\u042F\u043A"}},
            {"", {L"Anna", L"Ann", L"Ann \U0001F333"}, {L"Ann", L"Ann \U0001F333", L"Anna"}}, // a shorter text first
        };
        for (auto [pszLocale, texts, sorted] : cases) {
            const CIcuCollator collator(pszLocale);
            std::stable_sort(texts.begin(), texts.end(), [&](const std::wstring& a, const std::wstring& b) {
                std::string keyA, keyB;
                collator.AppendSortKey(a, keyA);
                collator.AppendSortKey(b, keyB);
                return keyA < keyB;
            });
            QVERIFY2(texts == sorted, pszLocale);
        }
    }
};

QTEST_GUILESS_MAIN(IcuCollatorTest)
#include "IcuCollatorTest.moc"
