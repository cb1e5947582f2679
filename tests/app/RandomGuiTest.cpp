// Thousands of seeded random mouse moves, clicks, key presses and list picks across all windows,
// with the program's invariants checked after every event.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "single/SingleElectrodeWindow.h"
#include "tests/support/DesignEntry.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <random>

namespace {

// The design state without its two selectors, which the pointer refreshes.
DesignState withoutSelectors(DesignState s) {
    s.ElectrodeArrangement = ElectrodeArrangement::None;
    s.ElectrodeMaterial = ElectrodeMaterial::None;
    return s;
}

bool selectorsEqual(const DesignState& a, const DesignState& b) {
    return a.ElectrodeArrangement == b.ElectrodeArrangement &&
           a.ElectrodeMaterial == b.ElectrodeMaterial;
}

// Where the main window shows something else than its part of the design; empty when nothing.
QString differenceFromDesign(const TForm1* main, const WizardState& w) {
    const auto text = [main](const char* name) {
        const QWidget* c = main->findChild<QWidget*>(QString::fromLatin1(name));
        if (const auto* box = qobject_cast<const QComboBox*>(c))
            return box->currentText();
        if (const auto* edit = qobject_cast<const QLineEdit*>(c))
            return edit->text();
        return static_cast<const QLabel*>(c)->text();
    };
    const std::pair<const char*, const QString*> shown[] = {{"ComboBox3", &w.upperSoil.text},
                                                            {"ComboBox4", &w.lowerSoil.text},
                                                            {"ComboBox2", &w.arrangement.text},
                                                            {"ComboBox1", &w.material.text},
                                                            {"Edit5", &w.Edit5},
                                                            {"Edit6", &w.Edit6},
                                                            {"Edit8", &w.Edit8},
                                                            {"Edit9", &w.Edit9},
                                                            {"Edit10", &w.Edit10},
                                                            {"Edit11", &w.Edit11},
                                                            {"Label29", &w.Label29},
                                                            {"Label28", &w.Label28},
                                                            {"Label27", &w.Label27},
                                                            {"Label16", &w.Label16},
                                                            {"Label26", &w.Label26}};
    for (const auto& [name, value] : shown) {
        if (text(name) != *value)
            return QString::fromLatin1(name);
    }
    if (main->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex() != w.page)
        return QStringLiteral("page");
    return {};
}

// Counts how often a combo box's list closes.
class CloseUpCounter : public QObject {
public:
    explicit CloseUpCounter(QComboBox* box) : QObject(box) {
        box->view()->parentWidget()->installEventFilter(this);
    }
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide)
            ++count;
        return false;
    }
};

// The site page of a worked design, as the dialogs and the keyboard leave it, then "Далее>>".
void enterSitePage(WindowSet& windows) {
    TForm1* main = windows.Form1();
    auto child = [main](const char* name) { return main->findChild<QWidget*>(name); };
    static_cast<QComboBox*>(child("ComboBox3"))->setCurrentIndex(7);
    static_cast<QComboBox*>(child("ComboBox4"))->setCurrentIndex(2);
    designentry::handOver(windows, &WizardState::Label29, QStringLiteral("1,35"));
    designentry::handOver(windows, &WizardState::Label28, QStringLiteral("2,5"));
    designentry::handOver(windows, &WizardState::Label27, QStringLiteral("4"));
    static_cast<QLineEdit*>(child("Edit5"))->setText(QStringLiteral("3"));
    static_cast<QLineEdit*>(child("Edit6"))->setText(QStringLiteral("0,8"));
    windowtest::hover(child("Label30"));
    windowtest::click(child("Button1"));
}

} // namespace

class RandomGuiTest : public QObject {
    Q_OBJECT

    NumberText m_numbers{QLatin1Char(',')};

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }

    void randomSession_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("prefilled");
        for (unsigned seed : {1u, 2u, 20261208u}) {
            QTest::newRow(qPrintable(QStringLiteral("fresh %1").arg(seed))) << seed << false;
            QTest::newRow(qPrintable(QStringLiteral("designed %1").arg(seed))) << seed << true;
        }
    }

    void randomSession() {
        QFETCH(unsigned, seed);
        QFETCH(bool, prefilled);
        RecordingSink sink;
        WindowSet windows(m_numbers, sink);
        TForm1* main = windows.Form1();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QWidget* single = windows.Form11();
        auto* shapeList = single->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QVERIFY(shapeList);
        auto* closeUps = new CloseUpCounter(shapeList);
        auto* calculate = single->findChild<QAbstractButton*>(QStringLiteral("Button1"));
        auto* report = main->findChild<QAbstractButton*>(QStringLiteral("Button5"));
        if (prefilled)
            enterSitePage(windows);

        std::mt19937 rng(seed);
        auto chance = [&](unsigned percent) { return rng() % 100 < percent; };
        const QStringList typed = {"0", "1", "2", "5", "9",  ",", ".",
                                   "-", "a", "ф", " ", "\r", "\b"};
        QHash<QString, int> windowsUsed;
        int stateChanges = 0;

        for (int step = 0; step < 3000; ++step) {
            // What the user can reach now: the widgets of every visible window, and the windows.
            QList<QWidget*> targets;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (!top->isVisible() || top->inherits("QComboBoxPrivateContainer"))
                    continue;
                targets << top;
                for (QWidget* child : top->findChildren<QWidget*>()) {
                    if (child->isVisible() &&
                        (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child) ||
                         qobject_cast<QComboBox*>(child) || qobject_cast<QLineEdit*>(child)))
                        targets << child;
                }
            }
            QHash<QAbstractButton*, bool> enabledBefore;
            for (auto* b : main->findChildren<QAbstractButton*>())
                enabledBefore[b] = b->isEnabled();
            const DesignState before = windows.state();
            const int closeUpsBefore = closeUps->count;

            // Half the events go to the main window, the rest anywhere.
            QList<QWidget*> inMain;
            for (QWidget* t : targets) {
                if (t->window() == main)
                    inMain << t;
            }
            const QList<QWidget*>& from = chance(50) ? inMain : targets;
            QWidget* target = from[rng() % from.size()];
            QWidget* window = target->window();
            windowsUsed[window->objectName()]++;
            const QPoint p(int(rng() % unsigned(std::max(1, target->width()))),
                           int(rng() % unsigned(std::max(1, target->height()))));
            auto* edit = qobject_cast<QLineEdit*>(target);
            auto* box = qobject_cast<QComboBox*>(target);
            enum Action { Move, Click, Key, Pick, Popup, Hide } action = Move;
            if (target == window && window != main && chance(3))
                action = Hide;
            else if (edit && chance(70))
                action = Key;
            else if (box && chance(70))
                action = chance(70) ? Pick : Popup;
            else if (chance(35))
                action = Click;
            const QString what =
                QStringLiteral("%1 on %2").arg(int(action)).arg(target->objectName());
            // A click lands on the topmost widget under the pointer, which need not be the target.
            QWidget* under = window->childAt(target->mapTo(window, p));
            QWidget* hit = under ? under : window;
            // "Применить" of the variants runs the stages as "Далее>>" does.
            const bool stagePress =
                action == Click &&
                ((window == main && (hit->objectName() == QStringLiteral("Button1") ||
                                     hit->objectName() == QStringLiteral("Button3"))) ||
                 (window->objectName() == QStringLiteral("VariantSearchWindow") &&
                  hit->objectName() == QStringLiteral("applyButton")));
            switch (action) {
            case Move:
                QTest::mouseMove(target, p);
                break;
            case Click:
                if (hit == report) // the report starts a word processor: tested on its own
                    break;
                // A file dialog that the click opens is cancelled, as a user would close it.
                QTimer::singleShot(0, [] {
                    if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                        files->reject();
                });
                QTest::mouseClick(target, Qt::LeftButton, {}, p);
                break;
            case Key:
                edit->setFocus();
                for (unsigned n = 1 + rng() % 3; n > 0; --n)
                    QTest::sendKeyEvent(
                        QTest::Click, edit, Qt::Key_unknown,
                        chance(60) ? QString::number(rng() % 10) : typed[rng() % typed.size()], {});
                break;
            case Pick:
                if (chance(15))
                    box->setEditText(QStringLiteral("свой текст"));
                else
                    box->setCurrentIndex(int(rng() % unsigned(box->count() + 1)) - 1);
                break;
            case Popup:
                box->showPopup();
                QApplication::processEvents();
                box->hidePopup();
                break;
            case Hide:
                window->hide();
                break;
            }
            QApplication::processEvents();

            // Buttons that were enabled stay enabled; only a close-up disables "Рассчитать", and
            // the buttons of the soil readings and of the variants follow what the lists hold.
            const bool closedUp = closeUps->count != closeUpsBefore;
            for (auto it = enabledBefore.cbegin(); it != enabledBefore.cend(); ++it) {
                const QString window = it.key()->window()->objectName();
                if ((it.key() == calculate && closedUp) ||
                    window == QStringLiteral("SoilMeasurementDialog") ||
                    window == QStringLiteral("VariantSearchWindow"))
                    continue;
                QVERIFY2(!it.value() || it.key()->isEnabled(),
                         qPrintable(it.key()->objectName() + QStringLiteral(" after ") + what));
            }

            // The main window shows the design as it stands.
            const QString differs = differenceFromDesign(main, windows.design().inputs().wizard);
            QVERIFY2(differs.isEmpty(), qPrintable(differs + QStringLiteral(" after ") + what));

            // The design state changes only in the handlers that may write it: the two stages
            // behind "Далее>>", and the selectors under the pointer.
            const DesignState& after = windows.state();
            const bool sameFields = withoutSelectors(before) == withoutSelectors(after);
            if (!sameFields || !selectorsEqual(before, after))
                ++stateChanges;
            if (!stagePress) {
                QVERIFY2(sameFields, qPrintable(what));
                if (!selectorsEqual(before, after))
                    QVERIFY2(action == Move || action == Click, qPrintable(what));
            }
        }
        // The session must have reached the dialogs and the calculator, and from a designed
        // site page the calculation too.
        QVERIFY2(windowsUsed.size() >= 5, qPrintable(QStringList(windowsUsed.keys()).join(' ')));
        if (prefilled)
            QVERIFY(stateChanges > 0);
    }
};

QTEST_MAIN(RandomGuiTest)
#include "RandomGuiTest.moc"
