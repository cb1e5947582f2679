// placeholder
#include <QTest>
class WizardTest : public QObject {
    Q_OBJECT
private slots:
    void nothing() { QVERIFY(true); }
};
QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
