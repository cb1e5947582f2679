// What no input reaches by typing, pasting or clicking: text past the key filters, two steps for
// one press, a result that cannot be.
#include "app/MainWindow.h"
#include "single/SingleElectrodeWindow.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"
#include "widgets/KeyFilter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using windowtest::click;
using windowtest::hover;

namespace {
const char* const kResultLabels[] = {"Label17", "Label18", "Label19", "Label20", "Label21",
                                     "Label22", "Label24", "Label25", "Label32"};

// The ways in which text reaches a box other than typing: a key, the context menu, a drop, an
// input method.
enum class Paste { ShiftInsert, ContextMenu, Drop, InputMethod };

void pasteInto(QLineEdit* edit, const QString& text, Paste how) {
    QApplication::clipboard()->setText(text);
    switch (how) {
    case Paste::ShiftInsert:
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Paste::ContextMenu: {
        QContextMenuEvent event(QContextMenuEvent::Mouse, edit->rect().center(),
                                edit->mapToGlobal(edit->rect().center()));
        QCoreApplication::sendEvent(edit, &event);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (KeyFilter::isPasteAction(action))
                paste = action;
        }
        QVERIFY(paste);
        // The rest of the menu stays as it was.
        QVERIFY(menu->actions().size() > 5);
        paste->trigger();
        menu->close();
        break;
    }
    case Paste::Drop: {
        QMimeData data;
        data.setText(text);
        // A drop comes after the drag has entered the box.
        QDragEnterEvent enter(QPoint(edit->width() - 2, edit->height() / 2), Qt::CopyAction, &data,
                              Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent drop(QPointF(edit->width() - 2, edit->height() / 2), Qt::CopyAction, &data,
                        Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &drop);
        break;
    }
    case Paste::InputMethod: {
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QCoreApplication::sendEvent(edit, &composed);
        break;
    }
    }
}
} // namespace

class SoundInputTest : public WizardTestBase {
    Q_OBJECT

private:
    QString text(const char* label) const { return w<QLabel>(label)->text(); }

    // The first worked design through page 1, then page 2 filled.
    void enterDesign() {
        enterSite();
        enterElectrodes();
    }

private slots:
    // Each character of a pasted or dropped text goes through the box's filter.
    void pastingObeysTheFilters_data() {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("whole");   // kept by a whole-number box
        QTest::addColumn<QString>("decimal"); // kept by a decimal box
        const struct {
            const char* pasted;
            const char* whole;
            const char* decimal;
        } texts[] = {
            {"-5", "5", "5"}, {"1e3", "13", "13"}, {"абв", "", ""}, {"12,5", "125", "12,5"}};
        const std::pair<Paste, const char*> ways[] = {{Paste::ShiftInsert, "Shift+Insert"},
                                                      {Paste::ContextMenu, "menu"},
                                                      {Paste::Drop, "drop"},
                                                      {Paste::InputMethod, "input method"}};
        for (const auto& [how, way] : ways) {
            for (const auto& t : texts)
                QTest::addRow("%s %s", way, t.pasted)
                    << int(how) << QString::fromUtf8(t.pasted) << QString::fromUtf8(t.whole)
                    << QString::fromUtf8(t.decimal);
        }
    }

    void pastingObeysTheFilters() {
        QFETCH(int, how);
        QFETCH(QString, pasted);
        QFETCH(QString, whole);
        QFETCH(QString, decimal);
        w<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QLineEdit* single = m_windows->Form11()->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        m_windows->Form11()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_windows->Form11()));
        const std::pair<QLineEdit*, QString> boxes[] = {
            {w<QLineEdit>("Edit10"), whole}, {w<QLineEdit>("Edit11"), decimal}, {single, decimal}};
        for (const auto& [box, kept] : boxes) {
            QWidget* window = box->window();
            window->activateWindow();
            box->clear();
            pasteInto(box, pasted, Paste(how));
            QCOMPARE(box->text(), kept);
        }
    }

    // Inputs that a user can reach and that would have given a negative result: the message
    // names the quantity and what to check; page 2 stays and page 3 keeps the earlier results.
    void resultsThatCannotBeAreNotShown_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        // bs: Rh = 0,366·2,5·40/(30·0,5)·lg(2·30²/(2147483,647·0,8)) = -7,27.
        QTest::newRow("strip width")
            << "Edit10"
            << "2147483647"
            << "Сопротивление горизонтального заземлителя получилось отрицательным (−7,3 Ом): "
               "проверьте ширину полосы и расстояние между заземлителями";
        // b: d = 2040109 m, Rv = 0,366·51,82/2,5·(lg(5/d) + 0,5·lg(10,7/5,7)) = -41,5.
        QTest::newRow("flange width")
            << "Edit8"
            << "2147483647"
            << "Сопротивление одного вертикального заземлителя получилось отрицательным (−41,5 "
               "Ом): проверьте ширину полки уголка или диаметр и длину вертикального заземлителя";
    }

    void resultsThatCannotBeAreNotShown() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        enterDesign();
        click(w("Button3"));
        QCOMPARE(page(), 2);
        QStringList before;
        for (const char* label : kResultLabels)
            before << text(label);
        click(w("Button4"));
        type(edit.toLatin1().constData(), typed);
        click(w("Button3"));
        QCOMPARE(m_sink.errors, QStringList());
        QCOMPARE(m_sink.messages, QStringList{message});
        QCOMPARE(page(), 1);
        QStringList after;
        for (const char* label : kResultLabels)
            after << text(label);
        QCOMPARE(after, before);
    }

    // A boundary deep below the electrodes: the upper soil alone, and sound results.
    void thickUpperLayerGivesTheUpperSoil() {
        enterDesign();
        click(w("Button2"));
        pickText("ComboBox3", QStringLiteral("Глина-60"));
        type("Edit5", "10");
        click(w("Button1"));
        click(w("Button3"));
        QCOMPARE(m_sink.messages, QStringList());
        QCOMPARE(page(), 2);
        QCOMPARE(state().ElectrodeLayers, ElectrodeLayers::UpperOnly);
        QCOMPARE(text("Label17"), QStringLiteral("Удельный расчётный коэффициент сопротивления "
                                                 "грунта = 81,0  Ом*м ;")); // 1,35 · 60
    }

    // The second press of a double click lands on the button of the page the first one opened.
    void doubleClickMakesOneStep() {
        enterDesign();
        QObject::disconnect(m_main, &TForm1::reportRequested, nullptr, nullptr);
        QSignalSpy reports(m_main, &TForm1::reportRequested);
        QTest::mouseDClick(w("Button3"), Qt::LeftButton, {}, w("Button3")->rect().center());
        QCOMPARE(page(), 2);
        QCOMPARE(reports.count(), 0);
        // A press after the double-click interval is a press of its own.
        click(w("Button5"));
        QCOMPARE(reports.count(), 1);
    }

    void doubleClickOnTheSitePageRunsOnlyTheSiteStage() {
        enterDesign();
        click(w("Button2"));
        QTest::mouseDClick(w("Button1"), Qt::LeftButton, {}, w("Button1")->rect().center());
        QCOMPARE(page(), 1);
        QVERIFY(text("Label17").isEmpty());
    }

    // The single-electrode window shows no negative resistance either.
    void singleElectrodeShowsNoNegativeResistance() {
        TForm11* form = m_windows->Form11();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto* list = form->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        list->view()->setCurrentIndex(list->model()->index(3, 0)); // rod in the ground
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_COMPARE(form->ShapeNumber(), 4);
        const auto field = [form](int n) {
            return form->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        };
        // d = 10 m on l = 1 m: ln(2·1/10) + 0,5·ln(7/5) < 0, R = 100/6,28·(-1,4412) = -22,95.
        field(1)->setText(QStringLiteral("100"));
        field(2)->setText(QStringLiteral("10"));
        field(3)->setText(QStringLiteral("1"));
        field(4)->setText(QStringLiteral("1"));
        auto* result = form->findChild<QLabel*>(QStringLiteral("Label8"));
        result->setText(QStringLiteral("7,00 Ом"));
        form->Button1Click();
        QCOMPARE(m_sink.errors, QStringList());
        QCOMPARE(m_sink.messages,
                 QStringList{"Сопротивление заземлителя получилось отрицательным (−22,95 Ом): "
                             "проверьте сопротивление грунта и размеры заземлителя"});
        QCOMPARE(result->text(), QStringLiteral(" "));
        // A sound shape of the same window still gives its result.
        field(2)->setText(QStringLiteral("0,01"));
        form->Button1Click();
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(result->text().endsWith(QStringLiteral(" Ом")));
        QVERIFY(!result->text().startsWith(QLatin1Char('-')));
    }
};

QTEST_MAIN(SoundInputTest)
#include "SoundInputTest.moc"
