// Thousands of seeded random mouse moves, clicks, key presses and list picks across all windows,
// with the program's invariants checked after every event.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "single/SingleElectrodeWindow.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <random>
#include <tuple>

namespace {

auto fieldsOf(const DesignState& s) {
    return std::tie(s.EquivalentResistivity, s.UpperResistivity, s.LowerResistivity,
                    s.ClimaticCoefVertical, s.ClimaticCoefHorizontal, s.VerticalLength,
                    s.UpperLayerThickness, s.HorizontalDepth, s.VerticalMidDepth, s.VerticalSpacing,
                    s.UtilizationHorizontal, s.UtilizationVertical, s.SingleVerticalResistance,
                    s.EstimatedCountRaw, s.EstimatedCount, s.EstimatedHorizontalLength,
                    s.RefinedHorizontalLength, s.HorizontalResistance, s.RequiredVerticalResistance,
                    s.RefinedCountRaw, s.RefinedCount, s.NormalizedResistance, s.AngleFlangeWidthMm,
                    s.StripWidthMm, s.RoundDiameterMm, s.ElectrodeNounForm,
                    s.VerticalAdjectiveForm);
}

bool selectorsEqual(const DesignState& a, const DesignState& b) {
    return a.ElectrodeArrangement == b.ElectrodeArrangement &&
           a.ElectrodeMaterial == b.ElectrodeMaterial;
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
void enterSitePage(TForm1* main) {
    auto child = [main](const char* name) { return main->findChild<QWidget*>(name); };
    static_cast<QComboBox*>(child("ComboBox3"))->setCurrentIndex(7);
    static_cast<QComboBox*>(child("ComboBox4"))->setCurrentIndex(2);
    static_cast<QLabel*>(child("Label29"))->setText(QStringLiteral("1,35"));
    static_cast<QLabel*>(child("Label28"))->setText(QStringLiteral("2,5"));
    static_cast<QLabel*>(child("Label27"))->setText(QStringLiteral("4"));
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
            enterSitePage(main);

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
            const bool stagePress = action == Click && window == main &&
                                    (hit->objectName() == QStringLiteral("Button1") ||
                                     hit->objectName() == QStringLiteral("Button3"));
            switch (action) {
            case Move:
                QTest::mouseMove(target, p);
                break;
            case Click:
                if (hit != report) // the report starts a word processor: tested on its own
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
            // the buttons of the soil readings follow the rows and whether they read.
            const bool closedUp = closeUps->count != closeUpsBefore;
            for (auto it = enabledBefore.cbegin(); it != enabledBefore.cend(); ++it) {
                if ((it.key() == calculate && closedUp) ||
                    it.key()->window()->objectName() == QStringLiteral("SoilMeasurementDialog"))
                    continue;
                QVERIFY2(!it.value() || it.key()->isEnabled(),
                         qPrintable(it.key()->objectName() + QStringLiteral(" after ") + what));
            }

            // The design state changes only in the handlers that may write it: the two stages
            // behind "Далее>>", and the selectors under the pointer.
            const DesignState& after = windows.state();
            if (fieldsOf(before) != fieldsOf(after) || !selectorsEqual(before, after))
                ++stateChanges;
            if (!stagePress) {
                QVERIFY2(fieldsOf(before) == fieldsOf(after), qPrintable(what));
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
