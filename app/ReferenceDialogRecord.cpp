#include "app/ReferenceDialogRecord.h"

#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"

namespace {
using Label = TForm1::DisplayLabel;

bool always(const WizardState&) {
    return true;
}
// The contour tables answer while "По контуру" is picked; the row tables otherwise.
bool contourPicked(const WizardState& w) {
    return w.arrangement.position == 0;
}
bool notContour(const WizardState& w) {
    return !contourPicked(w);
}

template <class Dialog>
ReferenceDialogRecord record(Label opener, bool (*mayOpen)(const WizardState&)) {
    return {opener, mayOpen,
            [](Design& design, const NumberText& numbers, QWidget* main) -> ReferenceDialog* {
                return new Dialog(design, numbers, main);
            }};
}
} // namespace

std::vector<ReferenceDialogRecord> referenceDialogRecords() {
    return {
        record<TForm2>(Label::Label16, notContour),
        record<TForm3>(Label::Label26, notContour),
        record<TForm4>(Label::Label16, contourPicked),
        record<TForm5>(Label::Label26, contourPicked),
        record<TForm6>(Label::Label27, always),
        record<TForm7>(Label::Label29, always),
        record<TForm8>(Label::Label28, always),
    };
}
