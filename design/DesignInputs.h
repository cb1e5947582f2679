// Every input of a design as plain data: what the engineer typed and picked on the wizard's pages,
// what each reference dialog remembers, the soil readings, the steel thicknesses, the project
// data and the lists of the variant search. The windows
// edit and show it through the design (design/Design.h); a design file keeps it, each field with
// its row, and its key in the file, in DesignFileMembers.cpp.
#pragma once

#include "design/MeasuredSoil.h"
#include "design/ProjectData.h"
#include "design/VariantSearchSettings.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// An editable drop-down box: the text in its edit field and the list position of that text, -1
// when the text is no item (typed, or empty).
struct ListBoxState {
    int position = -1;
    QString text;

    bool operator==(const ListBoxState&) const = default;
};

// The main window: what the engineer typed and picked on the wizard's pages.
struct WizardState {
    ListBoxState upperSoil;   // ComboBox3
    ListBoxState lowerSoil;   // ComboBox4
    ListBoxState arrangement; // ComboBox2
    ListBoxState material;    // ComboBox1
    // Edit boxes, as typed (the decimal separator of the system that shows them).
    QString Edit5, Edit6, Edit8, Edit9, Edit10, Edit11;
    // Display labels, as the dialogs wrote them.
    QString Label29, Label28, Label27, Label16, Label26;
    bool button1Enabled = false; // "Далее>>" of the site page
    bool button3Enabled = false; // "Далее>>" of the electrode page
    int page = 0;                // 0 site, 1 electrode system, 2 results
    // The measured soil last applied, whose items end both soil lists; none when never applied.
    std::optional<MeasuredSoil> measuredSoil;

    bool operator==(const WizardState&) const = default;
};

// A dialog that looks a value up by two lists (the four utilization dialogs and the normalized
// resistance dialog): the two boxes, the remembered row and value, and its OK button.
struct TwoListDialogState {
    QString firstText;                // ComboBox1, picked or typed
    QString secondText;               // ComboBox2
    std::optional<int> rememberedRow; // the table row that the last confirmations loaded
    double value = 0.0;               // the value last handed out (whole ohms for TForm6)
    bool okEnabled = false;

    bool operator==(const TwoListDialogState&) const = default;
};

// A climatic coefficient dialog: the selected zone button, the electrode type (TForm7 only),
// the zone whose coefficients the last confirmations loaded, the remembered coefficients and
// its OK button.
struct ZoneDialogState {
    std::optional<int> selectedZone;   // 0..3 for zones I..IV, none when no button is selected
    QString typeText;                  // ComboBox1 of TForm7; empty for TForm8
    std::optional<int> rememberedZone; // 0..3
    double vertical = 0.0;             // TForm7: the remembered vertical coefficient
    double horizontal = 0.0;           // the remembered horizontal coefficient
    bool okEnabled = false;

    bool operator==(const ZoneDialogState&) const = default;
};

// The two thicknesses of steel that the calculation leaves open and the bill of materials needs,
// whole millimetres; the scheme window holds them.
struct SteelThickness {
    // What the window takes for either.
    static constexpr std::int32_t kThinnestMm = 1;
    static constexpr std::int32_t kThickestMm = 100;

    std::int32_t angleWallMm = 5;      // δ, the wall of an angle
    std::int32_t stripThicknessMm = 4; // δп, the strip

    bool operator==(const SteelThickness&) const = default;
};

struct DesignInputs {
    WizardState wizard;
    TwoListDialogState Form2;              // utilization, vertical electrodes in a row
    TwoListDialogState Form3;              // utilization, connecting strip in a row
    TwoListDialogState Form4;              // utilization, vertical electrodes along a contour
    TwoListDialogState Form5;              // utilization, connecting strip along a contour
    TwoListDialogState Form6;              // normalized resistance
    ZoneDialogState Form7;                 // climatic coefficients, vertical and horizontal
    ZoneDialogState Form8;                 // climatic coefficient, horizontal
    SteelThickness scheme;                 // the scheme window's δ and δп
    SoilMeasurementState soilMeasurements; // the readings; no rows while none is typed
    ProjectData project;                   // what the documents say of the project
    VariantSearchSettings variants;        // what the search for variants tries and keeps

    bool operator==(const DesignInputs&) const = default;
};

// Whether two designs hold the same edits, whatever page they show and whichever "Далее>>" and
// OK buttons the pointer has enabled: a design differs from its file only by what the engineer
// changed.
bool sameEdits(const DesignInputs& a, const DesignInputs& b);
