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

// A dialog of type Dialog whose state is `member` of the design; wire connects what it hands out.
template <class Dialog, class State>
ReferenceDialogRecord record(Label opener, std::function<bool(const WizardState&)> mayOpen,
                             State DesignSnapshot::*member,
                             void (*wire)(Dialog& dialog, TForm1& main)) {
    ReferenceDialogRecord r;
    r.opener = opener;
    r.mayOpen = std::move(mayOpen);
    r.make = [wire](TForm1& main, const NumberText& numbers) -> ReferenceDialog* {
        auto* dialog = new Dialog(numbers, &main);
        wire(*dialog, main);
        return dialog;
    };
    r.save = [member](const ReferenceDialog& dialog, DesignSnapshot& design) {
        design.*member = static_cast<const Dialog&>(dialog).dialogState();
    };
    r.restore = [member](ReferenceDialog& dialog, const DesignSnapshot& design) {
        static_cast<Dialog&>(dialog).restoreDialogState(design.*member);
    };
    return r;
}

// A dialog of two lists hands its value to one label.
template <class Dialog, Label label> void twoListFills(Dialog& dialog, TForm1& main) {
    QObject::connect(&dialog, &TwoListDialog::valueChosen, &main,
                     [&main](const QString& text) { main.setDisplayLabel(label, text); });
}
void climaticFills(TForm7& dialog, TForm1& main) {
    QObject::connect(&dialog, &TForm7::coefficientsChosen, &main,
                     [&main](const QString& vertical, const QString& horizontal) {
                         main.setDisplayLabel(Label::Label29, vertical);
                         main.setDisplayLabel(Label::Label28, horizontal);
                     });
}
void horizontalClimaticFills(TForm8& dialog, TForm1& main) {
    QObject::connect(&dialog, &TForm8::valueChosen, &main,
                     [&main](const QString& text) { main.setDisplayLabel(Label::Label28, text); });
}
} // namespace

std::vector<ReferenceDialogRecord> referenceDialogRecords() {
    const auto notContour = [](const WizardState& w) { return !contourPicked(w); };
    return {
        record<TForm2>(Label::Label16, notContour, &DesignSnapshot::Form2,
                       twoListFills<TForm2, Label::Label16>),
        record<TForm3>(Label::Label26, notContour, &DesignSnapshot::Form3,
                       twoListFills<TForm3, Label::Label26>),
        record<TForm4>(Label::Label16, contourPicked, &DesignSnapshot::Form4,
                       twoListFills<TForm4, Label::Label16>),
        record<TForm5>(Label::Label26, contourPicked, &DesignSnapshot::Form5,
                       twoListFills<TForm5, Label::Label26>),
        record<TForm6>(Label::Label27, always, &DesignSnapshot::Form6,
                       twoListFills<TForm6, Label::Label27>),
        record<TForm7>(Label::Label29, always, &DesignSnapshot::Form7, climaticFills),
        record<TForm8>(Label::Label28, always, &DesignSnapshot::Form8, horizontalClimaticFills),
    };
}
