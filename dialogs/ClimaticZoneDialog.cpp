// The zone part of the climatic coefficient dialogs.
#include "dialogs/ClimaticZoneDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>

namespace {
// The climatic features that tell the zones apart; shown only, never computed with.
struct Feature {
    const char* label; // the caption's name
    const char16_t* caption;
    std::array<const char16_t*, 4> values; // zones I to IV
};

const std::array<Feature, 4> kFeatures = {{
    {"Label3",
     u"Средняя многолетняя температура низшая (январь) град.С",
     {u"-20..-15", u"-14..-10", u"-10..0", u"0..+5"}},
    {"Label4",
     u"Средняя многолетняя температура высшая (июнь) град.С",
     {u"+16..+18", u"+18..+22", u"+22..+24", u"+24..+26"}},
    {"Label6", u"Среднее колличество осадков, мм", {u"~400", u"~500", u"~500", u"~400"}},
    {"Label7", u"Продолжительность замерзания воды, дни", {u"170-190", u"~150", u"~100", u"0"}},
}};

const std::array<const char16_t*, 4> kZoneNames = {u"I зона", u"II зона", u"III зона", u"IV зона"};

constexpr int kBoxTop = 72;
constexpr int kBoxWidth = 65;
constexpr int kBoxHeight = 161;
constexpr int kFirstBoxLeft = 452;
constexpr int kBoxStep = 72;
constexpr int kFirstRowTop = 40; // the first feature row, from the box top
constexpr int kRowStep = 32;
} // namespace

ClimaticZoneDialog::ClimaticZoneDialog(Design& design, Remembered remembered, const QString& name,
                                       const QString& title, int clientHeight,
                                       const QString& heading, QPoint okAt, QWidget* parent)
    : ReferenceDialog(design, name, title, {737, clientHeight}, true, okAt, parent),
      m_panel(new QFrame(this)), m_remembered(remembered) {
    addHeading(heading);
    addCaption(this, "Label5", QStringLiteral("Климатические зоны"), {512, 48});
    addCaption(this, "Label2", QStringLiteral("Климатические признаки зон"), {8, 80});
    for (std::size_t row = 0; row < kFeatures.size(); ++row) {
        addCaption(this, kFeatures[row].label, QString::fromUtf16(kFeatures[row].caption),
                   {8, kBoxTop + kFirstRowTop + kRowStep * static_cast<int>(row)});
    }

    // The value labels are Label8 to Label23, zone by zone, top to bottom.
    int valueLabel = 8;
    for (std::size_t zone = 0; zone < kZoneNames.size(); ++zone) {
        auto* box = new QGroupBox(QString::fromUtf16(kZoneNames[zone]), this);
        box->setObjectName(QStringLiteral("GroupBox%1").arg(zone + 1));
        box->setGeometry(kFirstBoxLeft + kBoxStep * static_cast<int>(zone), kBoxTop, kBoxWidth,
                         kBoxHeight);
        for (std::size_t row = 0; row < kFeatures.size(); ++row) {
            auto* value = new QLabel(QString::fromUtf16(kFeatures[row].values[zone]), box);
            value->setObjectName(QStringLiteral("Label%1").arg(valueLabel++));
            value->setFont(captionFont());
            value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            value->setGeometry(0, kFirstRowTop + kRowStep * static_cast<int>(row), kBoxWidth,
                               value->sizeHint().height());
        }
    }

    // The zone buttons, without captions, each under its zone's box; at most one is selected.
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setGeometry(452, 240, 280, 33);
    for (std::size_t zone = 0; zone < m_zones.size(); ++zone) {
        auto* button = new QRadioButton(m_panel);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(zone + 1));
        button->move(24 + kBoxStep * static_cast<int>(zone), 8);
        button->adjustSize();
        // A zone button keeps the pointer to itself (it tracks it for its hover look): a move
        // over it is no move over the panel or the form.
        button->setAttribute(Qt::WA_NoMousePropagation);
        m_zones[zone] = button;
        connect(button, &QRadioButton::toggled, this, [this] {
            editDesign(
                [this](DesignInputs& d) { (d.*m_remembered).selectedZone = selectedZone(); });
        });
    }
}

void ClimaticZoneDialog::showDesign() {
    const ZoneDialogState& state = remembered();
    if (selectedZone() != state.selectedZone)
        selectZone(state.selectedZone);
    if (state.okEnabled)
        m_ok->setEnabled(true);
}

void ClimaticZoneDialog::handOver(
    const std::function<void(ZoneDialogState&, WizardState&)>& change) {
    editDesign([&](DesignInputs& d) { change(d.*m_remembered, d.wizard); });
}

void ClimaticZoneDialog::enableOk() {
    editDesign([this](DesignInputs& d) { (d.*m_remembered).okEnabled = true; });
}

std::array<bool, 4> ClimaticZoneDialog::selectedZones() const {
    std::array<bool, 4> selected{};
    std::transform(m_zones.begin(), m_zones.end(), selected.begin(),
                   [](const QRadioButton* b) { return b->isChecked(); });
    return selected;
}

std::optional<int> ClimaticZoneDialog::selectedZone() const {
    for (std::size_t zone = 0; zone < m_zones.size(); ++zone) {
        if (m_zones[zone]->isChecked())
            return static_cast<int>(zone);
    }
    return std::nullopt;
}

void ClimaticZoneDialog::selectZone(std::optional<int> zone) {
    for (std::size_t i = 0; i < m_zones.size(); ++i) {
        QRadioButton* button = m_zones[i];
        // A selected button of an exclusive set cannot be cleared while the set is exclusive.
        button->setAutoExclusive(false);
        button->setChecked(zone == static_cast<int>(i));
        button->setAutoExclusive(true);
    }
}
