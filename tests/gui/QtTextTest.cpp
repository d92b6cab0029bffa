#include "qtcore/platform/QtText.h"

#include <QtTest>

class QtTextTest : public QObject {
    Q_OBJECT
private slots:
    void crossesBothWaysBeyondTheBmp()
    {
        const std::wstring strText = L"\u0416 \u00E9 \U0001F333";
        QCOMPARE(ToQString(strText), QString::fromUtf8("\xD0\x96 \xC3\xA9 \xF0\x9F\x8C\xB3"));
        QCOMPARE(FromQString(ToQString(strText)), strText);
    }
};

QTEST_GUILESS_MAIN(QtTextTest)
#include "QtTextTest.moc"
