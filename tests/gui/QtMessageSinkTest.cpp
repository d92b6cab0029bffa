#include "gui/platform/QtMessageSink.h"

#include "GuiTestSupport.h"

// A box stands centred over its owner, else the window in front, else the
// main window.
class QtMessageSinkTest : public QObject {
    Q_OBJECT
private slots:
    void aBoxStandsOverItsOwnerTheWindowInFrontOrTheMainWindow_data()
    {
        QTest::addColumn<int>("owner"); // 0 the owner named, 1 the window in front, 2 the main window
        QTest::newRow("owner") << 0;
        QTest::newRow("window in front") << 1;
        QTest::newRow("main window") << 2;
    }
    void aBoxStandsOverItsOwnerTheWindowInFrontOrTheMainWindow()
    {
        QFETCH(int, owner);
        QWidget named;
        QWidget front;
        QMainWindow main;
        named.setGeometry(100, 100, 400, 300);
        front.setGeometry(500, 100, 400, 300);
        main.setGeometry(300, 450, 500, 300);
        const QList<QWidget*> windows{&named, &front, &main};
        for (QWidget* pWindow : windows)
            pWindow->show();
        theTopWindow = owner < 2 ? &front : nullptr;
        QWidget* pParent = nullptr;
        QPoint centre;
        AnswerNextModal([&](QDialog& box) {
            QVERIFY(qobject_cast<QMessageBox*>(&box));
            pParent = box.parentWidget();
            centre = box.geometry().center();
        });
        CQtMessageSink().Show(owner == 0 ? &named : nullptr, {L"text", L"caption", CMessageIcon::Stop});
        theTopWindow = nullptr;
        QCOMPARE(pParent, windows[owner]);
        QVERIFY((centre - windows[owner]->geometry().center()).manhattanLength() < 8);
    }
};

QTEST_MAIN(QtMessageSinkTest)
#include "QtMessageSinkTest.moc"
