#include "tests/support/DesignEntry.h"

#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalRowDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace designentry {

const QString kType2 =
    QStringLiteral("Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м ");
const QString kKind = QStringLiteral("Рабочее заземление нулевой точки трансформатора ");

void enter(const QWidget* window, const char* name, const QString& text) {
    auto* box = part<QComboBox>(window, name);
    const int position = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(position);
    if (position < 0)
        box->setEditText(text);
}

void setEdits(TForm1* main, std::initializer_list<std::pair<const char*, const char*>> edits) {
    for (const auto& [name, text] : edits)
        part<QLineEdit>(main, name)->setText(QString::fromUtf8(text));
}

void useTwoLists(ReferenceDialog* dialog, const QString& first, const QString& second,
                 bool confirm) {
    enter(dialog, "ComboBox1", first);
    enter(dialog, "ComboBox2", second);
    dialog->FormMouseMove();
    if (confirm)
        dialog->BitBtn1Click();
}

void selectZone(QWidget* dialog, int button) {
    part<QRadioButton>(dialog, QStringLiteral("RadioButton%1").arg(button).toLatin1())
        ->setChecked(true);
}

void pickZone(TForm7* dialog, int button, const QString& type) {
    selectZone(dialog, button);
    enter(dialog, "ComboBox1", type);
    dialog->FormMouseMove();
    dialog->BitBtn1Click();
}

void handOver(WindowSet& ws, QString WizardState::*label, const QString& text) {
    ws.design().edit([&](DesignInputs& d) { d.wizard.*label = text; });
}

void holdReadings(WindowSet& ws, const std::vector<WennerReading>& readings,
                  const NumberText& numbers) {
    ws.design().edit([&](DesignInputs& d) {
        d.soilMeasurements.rows.clear();
        for (const WennerReading& r : readings)
            d.soilMeasurements.rows.append(
                {numbers.general(r.spacing), numbers.general(r.resistance)});
    });
}

void rowOfAnglesOnResults(WindowSet& ws) {
    TForm1* main = ws.Form1();
    enter(main, "ComboBox3", QStringLiteral("Суглинок-80"));
    enter(main, "ComboBox4", QStringLiteral("Песок-500"));
    pickZone(ws.Form7(), 2, kType2);
    useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220"));
    setEdits(main, {{"Edit5", "2"}, {"Edit6", "0,7"}});
    main->Label30MouseMove();
    main->Button1Click();
    enter(main, "ComboBox2", QStringLiteral("В ряд"));
    enter(main, "ComboBox1", QStringLiteral("Уголок"));
    setEdits(main, {{"Edit8", "50"}, {"Edit9", "2,5"}, {"Edit10", "40"}, {"Edit11", "5"}});
    useTwoLists(ws.Form2(), QStringLiteral("2"), QStringLiteral("10"));
    useTwoLists(ws.Form3(), QStringLiteral("2"), QStringLiteral("10"));
    main->Label31MouseMove();
    main->Button3Click();
}

} // namespace designentry
