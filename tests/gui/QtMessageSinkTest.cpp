#include "gui/platform/QtMessageSink.h"

#include "GuiTestSupport.h"

// A box is the child of the window it belongs to, so it opens centred over it.
class QtMessageSinkTest : public QObject {
    Q_OBJECT
private slots:
    void aBoxBelongsToItsOwnerOrTheWindowInFront()
    {
        QWidget owner;
        QWidget front;
        owner.setGeometry(100, 100, 400, 300);
        front.setGeometry(500, 100, 400, 300);
        owner.show();
        front.show();
        for (const bool bOwnerNamed : {true, false}) {
            theTopWindow = &front;
            QWidget* pParent = nullptr;
            AnswerNextModal([&pParent](QDialog& box) {
                QVERIFY(qobject_cast<QMessageBox*>(&box));
                pParent = box.parentWidget();
            });
            CQtMessageSink().Show(bOwnerNamed ? &owner : nullptr, {L"text", L"caption", CMessageIcon::Stop});
            theTopWindow = nullptr;
            QCOMPARE(pParent, bOwnerNamed ? &owner : &front);
        }
    }
};

QTEST_MAIN(QtMessageSinkTest)
#include "QtMessageSinkTest.moc"
