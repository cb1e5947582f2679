// Writes a PNG of every window of the program into the folder given as the first argument.
#include "app/MainWindow.h"
#include "app/ReferenceDialogRecord.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "calc/WennerModel.h"
#include "dialogs/SchemeWindow.h"
#include "dialogs/SoilMeasurementDialog.h"
#include "single/SingleElectrodeWindow.h"
#include "tests/support/DesignEntry.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
template <class W> W* child(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

// Fills the wizard with a worked design and computes it, so that every page shows real texts.
void enterDesign(WindowSet& windows) {
    TForm1* main = windows.Form1();
    child<QComboBox>(main, "ComboBox3")->setCurrentIndex(7);
    child<QComboBox>(main, "ComboBox4")->setCurrentIndex(7);
    designentry::handOver(windows, &WizardState::Label29, QStringLiteral("1,35"));
    designentry::handOver(windows, &WizardState::Label28, QStringLiteral("2,5"));
    designentry::handOver(windows, &WizardState::Label27, QStringLiteral("4"));
    child<QLineEdit>(main, "Edit5")->setText(QStringLiteral("3"));
    child<QLineEdit>(main, "Edit6")->setText(QStringLiteral("0,8"));
    main->Label30MouseMove();
    main->Button1Click();
    child<QComboBox>(main, "ComboBox2")->setCurrentIndex(1);
    child<QComboBox>(main, "ComboBox1")->setCurrentIndex(0);
    child<QLineEdit>(main, "Edit8")->setText(QStringLiteral("60"));
    child<QLineEdit>(main, "Edit9")->setText(QStringLiteral("2,5"));
    child<QLineEdit>(main, "Edit10")->setText(QStringLiteral("40"));
    child<QLineEdit>(main, "Edit11")->setText(QStringLiteral("5"));
    designentry::handOver(windows, &WizardState::Label26, QStringLiteral("0,5"));
    designentry::handOver(windows, &WizardState::Label16, QStringLiteral("0,65"));
    main->Label31MouseMove();
    main->Button3Click();
}

// The single-electrode window with a few shapes taken over and computed.
void saveSingleElectrode(TForm11* window, const QString& folder) {
    struct Shot {
        int shape;
        const char* fields[4];
    };
    const Shot shots[] = {{1, {"100", "1", "1", ""}},
                          {4, {"100", "0,016", "3", "0,7"}},
                          {10, {"100", "2", "0,01", "0,5"}},
                          {13, {"100", "0,5", "1", "1"}}};
    window->show();
    for (const Shot& shot : shots) {
        child<QComboBox>(window, "ComboBox1")->setCurrentIndex(shot.shape - 1);
        window->ComboBox1CloseUp();
        for (int n = 0; n < 4; ++n) {
            child<QLineEdit>(window, QStringLiteral("Edit%1").arg(n + 1).toLatin1().constData())
                ->setText(QString::fromUtf8(shot.fields[n]));
        }
        window->FormMouseMove();
        window->Button1Click();
        QApplication::processEvents();
        window->grab().save(
            QDir(folder).filePath(QStringLiteral("tform11-shape%1.png").arg(shot.shape)));
    }
    window->hide();
}

// The scheme window for the row of the worked design, then for a contour computed after it (the
// window follows page 3), and the contour's bill of materials.
void saveScheme(WindowSet& windows, const QString& folder) {
    TForm1* main = windows.Form1();
    SchemeWindow* window = windows.schemeWindow();
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QStringLiteral("scheme-row.png")));
    child<QComboBox>(main, "ComboBox2")->setCurrentIndex(0);
    child<QLineEdit>(main, "Edit11")->setText(QStringLiteral("3"));
    designentry::handOver(windows, &WizardState::Label26, QStringLiteral("0,45"));
    designentry::handOver(windows, &WizardState::Label16, QStringLiteral("0,6"));
    main->Label26MouseMove();
    main->Button3Click();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QStringLiteral("scheme-contour.png")));
    auto* tabs = child<QTabWidget>(window, "Tabs");
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QStringLiteral("scheme-bill.png")));
    tabs->setCurrentIndex(0);
    window->hide();
}

void save(QWidget* w, const QString& folder, const QString& name) {
    w->show();
    QApplication::processEvents();
    w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    w->hide();
}

// The soil measurements window with the readings of a two-layer soil (ρ1 = 100, ρ2 = 400 Ом·м,
// H = 2 м), rounded as a meter shows them.
void saveSoilMeasurements(WindowSet& windows, const QString& folder) {
    std::vector<WennerReading> readings;
    for (double a : {0.5, 1.0, 2.0, 3.0, 5.0, 8.0, 12.0}) {
        const double rho = wennerApparentResistivity({100, 400, 2}, a).value;
        readings.push_back({a, std::round(rho / (2 * std::numbers::pi * a) * 100) / 100});
    }
    SoilMeasurementDialog* window = windows.soilWindow();
    designentry::holdReadings(windows, readings, NumberText(QLatin1Char(',')));
    save(window, folder, QStringLiteral("soil-measurements"));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    windowtest::useProgramFonts();
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    const NumberText numbers(QLatin1Char(','));
    RecordingSink sink;
    WindowSet windows(numbers, sink);
    TForm1* main = windows.Form1();
    main->show();
    auto* pages = child<QTabWidget>(main, "PageControl1");
    main->grab().save(QDir(folder).filePath(QStringLiteral("main-empty.png")));
    enterDesign(windows);
    for (int page = 0; page < 3; ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        main->grab().save(QDir(folder).filePath(QStringLiteral("main-page%1.png").arg(page + 1)));
    }
    // The other windows are made when first needed: every one is asked for here.
    for (std::size_t i = 0; i < referenceDialogRecords().size(); ++i)
        windows.referenceDialog(i);
    windows.Form9();
    windows.Form10();
    windows.Form11();
    for (QWidget* w : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() && w->objectName().startsWith(QLatin1String("TForm")))
            save(w, folder, w->objectName().toLower());
    }
    saveSingleElectrode(windows.Form11(), folder);
    saveScheme(windows, folder);
    saveSoilMeasurements(windows, folder);
    return 0;
}
