// The members of a design file, each described once: its key, where it lives in the design,
// its kind and what its kind checks. Writing, reading and checking a design go by this table.
#pragma once

#include "design/DesignInputs.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

struct DesignFileMember {
    // Where the value of a member lives in the design (see inWizard and inDesign below).
    template <class T> using At = T& (*)(DesignInputs&);

    enum class Characters { Digits, Decimal };
    enum class Presence { Required, Optional };

    // An editable list box: its text, and the position of that text among items, none when the
    // text is no item.
    // The items may depend on what else the design holds (the items of an applied measured
    // soil end the soil lists).
    struct ListBox {
        At<ListBoxState> at;
        QStringList (*items)(const DesignInputs&);
    };
    // An edit box's text as typed; only the characters that the box takes. The texts of decimal
    // boxes are kept in the file's notation of separators (see DesignFile.h).
    struct EditText {
        At<QString> at;
        Characters characters;
    };
    // A display label: empty (null in the file), or a number that a reference dialog wrote;
    // whole for whole ohms.
    struct DisplayNumber {
        At<QString> at;
        bool whole;
    };
    struct Flag {
        At<bool> at;
    };
    // A whole number from lowest to highest, such as the wizard's page or a thickness in whole
    // millimetres.
    struct Whole {
        At<std::int32_t> at;
        std::int32_t lowest;
        std::int32_t highest;
    };
    // A dialog that looks a value up by two lists, with the cells of its table row by row.
    struct TwoListDialog {
        At<TwoListDialogState> at;
        std::vector<std::vector<double>> (*rows)();
    };
    // A climatic coefficient dialog; withType for the one that also picks the electrode type.
    struct ZoneDialog {
        At<ZoneDialogState> at;
        bool withType;
    };
    // The rows of the soil readings window as typed, and the model the engineer picked.
    struct SoilReadingsWindow {
        At<SoilMeasurementState> at;
    };
    // The measured soil last applied to the soil lists, with its readings.
    struct AppliedSoil {
        At<std::optional<MeasuredSoil>> at;
    };
    // A text as typed in a field that takes any text, such as a name of the project's.
    struct FreeText {
        At<QString> at;
    };
    // A list of whole numbers from lowest to highest, such as the diameters that the variant
    // search tries.
    struct WholeList {
        At<std::vector<std::int32_t>> at;
        std::int32_t lowest;
        std::int32_t highest;
    };
    // A list of positive decimals, such as lengths in metres.
    struct DecimalList {
        At<std::vector<double>> at;
    };
    // A positive decimal that may be left unset (null in the file), such as a limit or a price.
    struct OptionalDecimal {
        At<std::optional<double>> at;
    };
    // A list of sizes of two positive whole millimetres, such as angles b×δ or strips bп×δп;
    // each written as a pair.
    template <class Size> struct SizeList {
        At<std::vector<Size>> at;
        std::int32_t Size::*first;
        std::int32_t Size::*second;
    };
    using Kind =
        std::variant<ListBox, EditText, DisplayNumber, Flag, Whole, TwoListDialog, ZoneDialog,
                     SoilReadingsWindow, AppliedSoil, FreeText, WholeList, DecimalList,
                     OptionalDecimal, SizeList<AngleSize>, SizeList<StripSize>>;

    const char* group; // the object of the document that holds the member
    const char* key;   // its key there, named for what it holds
    Presence presence;
    Kind kind;
};

// Accessors for DesignFileMember::At: a member of the wizard, of the steel thicknesses, of the
// project data, of the variant search, or of the design itself.
template <auto Member> auto& inWizard(DesignInputs& s) {
    return s.wizard.*Member;
}
template <auto Member> auto& inScheme(DesignInputs& s) {
    return s.scheme.*Member;
}
template <auto Member> auto& inProject(DesignInputs& s) {
    return s.project.*Member;
}
template <auto Member> auto& inVariants(DesignInputs& s) {
    return s.variants.*Member;
}
template <auto Member> auto& inDesign(DesignInputs& s) {
    return s.*Member;
}

// The members of the current version, in the order in which they are written.
std::span<const DesignFileMember> designFileMembers();
