#include "qtcore/platform/IcuCollator.h"

#include <QtTest>

#include <algorithm>

namespace {

std::vector<std::wstring> Sorted(const CCollator& collator, std::vector<std::wstring> texts)
{
    std::stable_sort(texts.begin(), texts.end(), [&](const std::wstring& a, const std::wstring& b) {
        std::string keyA, keyB;
        collator.AppendSortKey(a, keyA);
        collator.AppendSortKey(b, keyB);
        return keyA < keyB;
    });
    return texts;
}

} // namespace

class IcuCollatorTest : public QObject {
    Q_OBJECT
private slots:
    // Accented letters sit beside their base letters, not after Z; case is
    // ignored, so texts that differ only in case keep their order.
    void ordersAsAReaderExpects()
    {
        const CIcuCollator collator("en_US");
        QCOMPARE(Sorted(collator, {L"Emma", L"\u00C9mile", L"eli", L"Zo\u00EB", L"anna", L"Anna"}),
                 (std::vector<std::wstring>{L"anna", L"Anna", L"eli", L"\u00C9mile", L"Emma", L"Zo\u00EB"}));
    }

    void ordersCyrillicByTheAlphabet()
    {
        const CIcuCollator collator("ru_RU");
        QCOMPARE(Sorted(collator, {L"\u042F\u043A\u043E\u0432", L"\u0401\u0436\u043E\u0432", L"\u0415\u0433\u043E\u0440",
                                   L"\u0436\u0443\u043A\u043E\u0432"}),
                 (std::vector<std::wstring>{L"\u0415\u0433\u043E\u0440", L"\u0401\u0436\u043E\u0432",
                                            L"\u0436\u0443\u043A\u043E\u0432", L"\u042F\u043A\u043E\u0432"}));
    }

    void aShorterTextComesBeforeItsLongerForms()
    {
        const CIcuCollator collator("");
        QCOMPARE(Sorted(collator, {L"Anna", L"Ann", L"Ann \U0001F333"}),
                 (std::vector<std::wstring>{L"Ann", L"Ann \U0001F333", L"Anna"}));
    }
};

QTEST_GUILESS_MAIN(IcuCollatorTest)
#include "IcuCollatorTest.moc"
