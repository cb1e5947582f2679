// The table of the design file's members, version 2.
#include "design/DesignFileMembers.h"

#include "design/MeasuredSoilItems.h"
#include "tables/ListItems.h"
#include "tables/NormalizedResistanceTable.h"
#include "tables/UtilizationTable.h"

#include <array>
#include <limits>

namespace {

using M = DesignFileMember;
using enum DesignFileMember::Characters;
using enum DesignFileMember::Presence;

// The largest whole number of a size, a diameter or a count.
constexpr std::int32_t kMostWhole = std::numeric_limits<std::int32_t>::max();

// The table's soils, then the item of an applied measured soil.
template <bool Upper> QStringList soilItems(const DesignInputs& s) {
    return soilListItems(s.wizard.measuredSoil, Upper);
}

QStringList arrangementItems(const DesignInputs&) {
    return itemList(kArrangementItems);
}

QStringList materialItems(const DesignInputs&) {
    return itemList(kMaterialItems);
}

template <const UtilizationTable& Table> std::vector<std::vector<double>> utilizationCells() {
    return {Table.rows.begin(), Table.rows.end()};
}

std::vector<std::vector<double>> normalizedResistanceCells() {
    std::vector<std::vector<double>> rows;
    for (const auto& row : kNormalizedResistances)
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

// A member that a later release adds is Optional: a file without it opens with the member as
// the program starts, and the member is written only when it holds something else, so that files
// without it stay as they were. Adding one takes its field in DesignInputs and one row here, in
// the place where it is to stand in the file; a new group makes a new object of the document.
// Keys are never renamed or taken away within a version: that takes a new version, and a step of
// DesignFileMigration that brings the files of this one up to it.
const M kMembers[] = {
    {"wizard", "upperSoil", Required,
     M::ListBox{inWizard<&WizardState::upperSoil>, soilItems<true>}},
    {"wizard", "lowerSoil", Required,
     M::ListBox{inWizard<&WizardState::lowerSoil>, soilItems<false>}},
    {"wizard", "climaticCoefficientVertical", Required,
     M::DisplayNumber{inWizard<&WizardState::Label29>, false}},
    {"wizard", "climaticCoefficientHorizontal", Required,
     M::DisplayNumber{inWizard<&WizardState::Label28>, false}},
    {"wizard", "upperLayerThickness", Required,
     M::EditText{inWizard<&WizardState::Edit5>, Decimal}},
    {"wizard", "horizontalDepth", Required, M::EditText{inWizard<&WizardState::Edit6>, Decimal}},
    {"wizard", "normalizedResistance", Required,
     M::DisplayNumber{inWizard<&WizardState::Label27>, true}},
    {"wizard", "siteNextEnabled", Required, M::Flag{inWizard<&WizardState::button1Enabled>}},
    {"wizard", "arrangement", Required,
     M::ListBox{inWizard<&WizardState::arrangement>, arrangementItems}},
    {"wizard", "material", Required, M::ListBox{inWizard<&WizardState::material>, materialItems}},
    {"wizard", "electrodeSize", Required, M::EditText{inWizard<&WizardState::Edit8>, Digits}},
    {"wizard", "electrodeLength", Required, M::EditText{inWizard<&WizardState::Edit9>, Decimal}},
    {"wizard", "stripWidth", Required, M::EditText{inWizard<&WizardState::Edit10>, Digits}},
    {"wizard", "electrodeSpacing", Required, M::EditText{inWizard<&WizardState::Edit11>, Decimal}},
    {"wizard", "utilizationHorizontal", Required,
     M::DisplayNumber{inWizard<&WizardState::Label26>, false}},
    {"wizard", "utilizationVertical", Required,
     M::DisplayNumber{inWizard<&WizardState::Label16>, false}},
    {"wizard", "electrodesNextEnabled", Required, M::Flag{inWizard<&WizardState::button3Enabled>}},
    {"wizard", "page", Required, M::Whole{inWizard<&WizardState::page>, 0, 2}},
    {"dialogs", "utilizationVerticalRowDialog", Required,
     M::TwoListDialog{inDesign<&DesignInputs::Form2>, utilizationCells<kVerticalRowTable>}},
    {"dialogs", "utilizationStripRowDialog", Required,
     M::TwoListDialog{inDesign<&DesignInputs::Form3>, utilizationCells<kStripRowTable>}},
    {"dialogs", "utilizationVerticalContourDialog", Required,
     M::TwoListDialog{inDesign<&DesignInputs::Form4>, utilizationCells<kVerticalContourTable>}},
    {"dialogs", "utilizationStripContourDialog", Required,
     M::TwoListDialog{inDesign<&DesignInputs::Form5>, utilizationCells<kStripContourTable>}},
    {"dialogs", "normalizedResistanceDialog", Required,
     M::TwoListDialog{inDesign<&DesignInputs::Form6>, normalizedResistanceCells}},
    {"dialogs", "climaticDialog", Required, M::ZoneDialog{inDesign<&DesignInputs::Form7>, true}},
    {"dialogs", "horizontalClimaticDialog", Required,
     M::ZoneDialog{inDesign<&DesignInputs::Form8>, false}},
    {"scheme", "angleWallThickness", Optional,
     M::Whole{inScheme<&SteelThickness::angleWallMm>, SteelThickness::kThinnestMm,
              SteelThickness::kThickestMm}},
    {"scheme", "stripThickness", Optional,
     M::Whole{inScheme<&SteelThickness::stripThicknessMm>, SteelThickness::kThinnestMm,
              SteelThickness::kThickestMm}},
    {"soilMeasurements", "readingsWindow", Optional,
     M::SoilReadingsWindow{inDesign<&DesignInputs::soilMeasurements>}},
    {"soilMeasurements", "appliedSoil", Optional,
     M::AppliedSoil{inWizard<&WizardState::measuredSoil>}},
    {"project", "object", Optional, M::FreeText{inProject<&ProjectData::object>}},
    {"project", "address", Optional, M::FreeText{inProject<&ProjectData::address>}},
    {"project", "documentCode", Optional, M::FreeText{inProject<&ProjectData::documentCode>}},
    {"project", "stage", Optional, M::FreeText{inProject<&ProjectData::stage>}},
    {"project", "organisation", Optional, M::FreeText{inProject<&ProjectData::organisation>}},
    {"project", "developer", Optional, M::FreeText{inProject<&ProjectData::developer>}},
    {"project", "checker", Optional, M::FreeText{inProject<&ProjectData::checker>}},
    {"project", "normControl", Optional, M::FreeText{inProject<&ProjectData::normControl>}},
    {"project", "chiefEngineer", Optional, M::FreeText{inProject<&ProjectData::chiefEngineer>}},
    {"project", "date", Optional, M::FreeText{inProject<&ProjectData::date>}},
    {"variantSearch", "inRow", Optional, M::Flag{inVariants<&VariantSearchSettings::inRow>}},
    {"variantSearch", "alongContour", Optional,
     M::Flag{inVariants<&VariantSearchSettings::alongContour>}},
    {"variantSearch", "angles", Optional,
     M::SizeList<AngleSize>{inVariants<&VariantSearchSettings::angles>, &AngleSize::flangeMm,
                            &AngleSize::wallMm}},
    {"variantSearch", "roundDiameters", Optional,
     M::WholeList{inVariants<&VariantSearchSettings::roundDiametersMm>, 1, kMostWhole}},
    {"variantSearch", "lengths", Optional,
     M::DecimalList{inVariants<&VariantSearchSettings::lengths>}},
    {"variantSearch", "ratios", Optional,
     M::WholeList{inVariants<&VariantSearchSettings::ratios>, 1, 3}},
    {"variantSearch", "strips", Optional,
     M::SizeList<StripSize>{inVariants<&VariantSearchSettings::strips>, &StripSize::widthMm,
                            &StripSize::thicknessMm}},
    {"variantSearch", "maxElectrodes", Optional,
     M::Whole{inVariants<&VariantSearchSettings::maxElectrodes>, 1, kMostWhole}},
    {"variantSearch", "maxRowLength", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::maxRowLength>}},
    {"variantSearch", "maxContourSide", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::maxContourSide>}},
    {"variantSearch", "anglePricePerKg", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::anglePricePerKg>}},
    {"variantSearch", "roundPricePerKg", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::roundPricePerKg>}},
    {"variantSearch", "stripPricePerKg", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::stripPricePerKg>}},
    {"variantSearch", "pricePerElectrode", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::pricePerElectrode>}},
    {"variantSearch", "pricePerJoint", Optional,
     M::OptionalDecimal{inVariants<&VariantSearchSettings::pricePerJoint>}},
    {"variantSearch", "raisedNorm", Optional,
     M::Flag{inVariants<&VariantSearchSettings::raisedNorm>}},
};

} // namespace

std::span<const DesignFileMember> designFileMembers() {
    return kMembers;
}
