#include "gui/platform/QtMessageSink.h"

#include "GuiTestSupport.h"

// A box is the child of the window it belongs to, so it opens centred over it.
class QtMessageSinkTest : public QObject {
    Q_OBJECT
private slots:
    void aBoxBelongsToItsOwnerOrTheWindowInFront_data()
    {
        QTest::addColumn<bool>("bOwnerNamed");
        QTest::newRow("owner named") << true;
        QTest::newRow("window in front") << false;
    }

    void aBoxBelongsToItsOwnerOrTheWindowInFront()
    {
        QFETCH(bool, bOwnerNamed);
        QWidget owner;
        QWidget front;
        owner.setGeometry(100, 100, 400, 300);
        front.setGeometry(500, 100, 400, 300);
        owner.show();
        front.show();
        theTopWindow = &front;
        QWidget* pParent = nullptr;
        AnswerNextModal([&pParent](QDialog& box) {
            QVERIFY(qobject_cast<QMessageBox*>(&box));
            pParent = box.parentWidget();
        });
        CQtMessageSink sink;
        sink.Show(bOwnerNamed ? &owner : nullptr, {L"text", L"caption", CMessageIcon::Information});
        theTopWindow = nullptr;
        QCOMPARE(pParent, bOwnerNamed ? &owner : &front);
    }
};

QTEST_MAIN(QtMessageSinkTest)
#include "QtMessageSinkTest.moc"
