// The design that the windows edit: each change said once with what it touched, list positions
// that follow their texts, a design opened, and a design file's round trip through it alone.
#include "design/Design.h"
#include "design/DesignFile.h"
#include "design/MeasuredSoilItems.h"
#include "tests/support/QtPrinters.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const NumberText kComma(QLatin1Char(','));

// The parts of every change that a design says, from when it is made.
struct Said {
    explicit Said(Design& design) {
        QObject::connect(&design, &Design::changed,
                         [this](Design::Parts p) { parts.push_back(p); });
    }
    std::vector<Design::Parts> parts;
};

TEST(Design, EachChangeIsSaidOnceWithWhatItTouched) {
    using Part = Design::Part;
    const struct {
        const char* name;
        std::function<void(DesignInputs&)> change;
        std::vector<Design::Parts> said;
    } cases[] = {
        {"an edit box", [](DesignInputs& d) { d.wizard.Edit5 = "2,5"; }, {Part::Wizard}},
        {"a display label", [](DesignInputs& d) { d.wizard.Label27 = "4"; }, {Part::Wizard}},
        {"a dialog's pick", [](DesignInputs& d) { d.Form2.firstText = "2"; }, {Part::Dialogs}},
        {"a dialog and its label",
         [](DesignInputs& d) {
             d.Form6.rememberedRow = 0;
             d.wizard.Label27 = "4";
         },
         {Part::Wizard | Part::Dialogs}},
        {"a thickness", [](DesignInputs& d) { d.scheme.angleWallMm = 6; }, {Part::Scheme}},
        {"a reading",
         [](DesignInputs& d) {
             d.soilMeasurements.rows = {{"1", "20"}};
         },
         {Part::SoilReadings}},
        {"the page", [](DesignInputs& d) { d.wizard.page = 1; }, {Part::Wizard}},
        {"the project", [](DesignInputs& d) { d.project.object = "Котельная"; }, {Part::Project}},
        {"nothing new", [](DesignInputs& d) { d.scheme = SteelThickness{}; }, {}},
    };
    for (const auto& c : cases) {
        Design design;
        const Said said(design);
        design.edit(c.change);
        EXPECT_EQ(said.parts, c.said) << c.name;
        design.edit(c.change); // the same change again is none
        EXPECT_EQ(said.parts, c.said) << c.name;
    }
}

TEST(Design, ListPositionsFollowTheirTexts) {
    Design design;
    design.edit([](DesignInputs& d) {
        d.wizard.upperSoil = {-1, "Глина-60"};
        d.wizard.lowerSoil = {5, "глина"};
        d.wizard.arrangement.text = "В ряд";
    });
    const WizardState& w = design.inputs().wizard;
    EXPECT_EQ(w.upperSoil.position, 2);
    EXPECT_EQ(w.lowerSoil.position, -1);
    EXPECT_EQ(w.arrangement.position, 1);
    // A measured soil applied ends both lists with its item, which is then picked.
    MeasuredSoil soil{.model = SoilModel::TwoLayer,
                      .upper = 123.4,
                      .lower = 56.78,
                      .thickness = 1.5,
                      .misfit = 0,
                      .readings = {}};
    design.edit([&](DesignInputs& d) { applyMeasuredSoil(d, soil, kComma); });
    EXPECT_EQ(w.upperSoil, (ListBoxState{18, "По замерам-123"}));
    EXPECT_EQ(w.lowerSoil, (ListBoxState{18, "По замерам-56,8"}));
    EXPECT_EQ(w.Edit5, QStringLiteral("1,5"));
}

// Opening a design starts its calculation afresh, with the selectors from its picks; buttons the
// pointer enabled stay enabled, and only the edits tell two designs apart.
TEST(Design, ADesignOpenedStartsAfresh) {
    Design design;
    design.edit([](DesignInputs& d) { d.wizard.button1Enabled = d.Form7.okEnabled = true; });
    design.state().RefinedCount = 6;
    design.showResults();
    DesignInputs opened;
    opened.wizard.arrangement = {0, "По контуру"};
    opened.wizard.material = {1, "Круглого сечения"};
    opened.wizard.page = 2;
    const Said said(design);
    design.replace(opened);
    ASSERT_EQ(said.parts.size(), 1u);
    EXPECT_TRUE(said.parts[0] & Design::Part::Opened);
    EXPECT_FALSE(design.results());
    EXPECT_EQ(design.state().RefinedCount, 0);
    EXPECT_EQ(design.state().ElectrodeArrangement, ElectrodeArrangement::Contour);
    EXPECT_EQ(design.state().ElectrodeMaterial, ElectrodeMaterial::RoundSection);
    EXPECT_TRUE(design.inputs().wizard.button1Enabled);
    EXPECT_TRUE(design.inputs().Form7.okEnabled);
    EXPECT_TRUE(sameEdits(design.inputs(), opened));
    EXPECT_FALSE(design.inputs() == opened);
    opened.wizard.Edit9 = "3";
    EXPECT_FALSE(sameEdits(design.inputs(), opened));
}

// A design edited, written as a design file and opened into another design: the same inputs,
// with no window.
TEST(Design, AFileRoundTripsThroughTheDesignAlone) {
    Design edited;
    edited.edit([](DesignInputs& d) {
        d.wizard.upperSoil.text = "Суглинок-80";
        d.wizard.lowerSoil.text = "Песок-500";
        d.wizard.Label29 = "1,25";
        d.wizard.Label28 = "4";
        d.wizard.Label27 = "4";
        d.wizard.Edit5 = "2";
        d.wizard.Edit6 = "0,7";
        d.wizard.page = 1;
        d.Form6 = {"Рабочее заземление нулевой точки трансформатора ", "380/220", 0, 4, true};
        d.scheme = {6, 5};
        d.soilMeasurements.rows = {{"1", "20"}, {"2", ""}};
        d.project = {.object = "Котельная «Север»\t{\\par}",
                     .address = QString(10000, u'ж'),
                     .documentCode = "123-ЭС",
                     .stage = "П",
                     .organisation = "ООО \"Проект\"\n",
                     .developer = "Иванов",
                     .checker = {},
                     .normControl = {},
                     .chiefEngineer = {},
                     .date = "09.12.2026"};
    });
    Design opened;
    opened.replace(DesignFile::fromJson(DesignFile::toJson(edited.inputs(), kComma), kComma));
    EXPECT_TRUE(opened.inputs() == edited.inputs());
}

} // namespace
