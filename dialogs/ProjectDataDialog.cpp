// The window "Данные проекта": fields that edit the design's project data.
#include "dialogs/ProjectDataDialog.h"

#include "ui_ProjectDataDialog.h"

#include <QDate>
#include <QScopedValueRollback>

namespace {

// The field of a member and its member, but "Стадия", which is a drop-down box.
struct LineField {
    QLineEdit* Ui::ProjectDataDialog::*edit;
    QString ProjectData::*member;
};

constexpr LineField kLineFields[] = {
    {&Ui::ProjectDataDialog::Object, &ProjectData::object},
    {&Ui::ProjectDataDialog::Address, &ProjectData::address},
    {&Ui::ProjectDataDialog::DocumentCode, &ProjectData::documentCode},
    {&Ui::ProjectDataDialog::Organisation, &ProjectData::organisation},
    {&Ui::ProjectDataDialog::Developer, &ProjectData::developer},
    {&Ui::ProjectDataDialog::Checker, &ProjectData::checker},
    {&Ui::ProjectDataDialog::NormControl, &ProjectData::normControl},
    {&Ui::ProjectDataDialog::ChiefEngineer, &ProjectData::chiefEngineer},
    {&Ui::ProjectDataDialog::Date, &ProjectData::date},
};

// Sets a field's text only when it differs, so that the cursor stays where it is.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

ProjectDataDialog::ProjectDataDialog(Design& design, QWidget* parent)
    : QDialog(parent), m_design(design), m_ui(std::make_unique<Ui::ProjectDataDialog>()) {
    m_ui->setupUi(this);
    for (const LineField& f : kLineFields) {
        connect(m_ui.get()->*f.edit, &QLineEdit::textEdited, this,
                [this, member = f.member](const QString& text) { edited(member, text); });
    }
    connect(m_ui->Stage, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { edited(&ProjectData::stage, text); });
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (!m_editing && (parts & (Design::Part::Opened | Design::Part::Project)))
            refresh();
    });
    refresh();
}

ProjectDataDialog::~ProjectDataDialog() = default;

void ProjectDataDialog::refresh() {
    const QScopedValueRollback showing(m_showing, true);
    const ProjectData& project = m_design.inputs().project;
    for (const LineField& f : kLineFields)
        showText(m_ui.get()->*f.edit, project.*f.member);
    if (m_ui->Stage->currentText() != project.stage)
        m_ui->Stage->setCurrentText(project.stage);
    // A design without project data is dated today once the engineer fills anything in.
    m_datePending = project.isEmpty();
    if (m_datePending)
        showText(m_ui->Date, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

void ProjectDataDialog::edited(QString ProjectData::*member, const QString& text) {
    if (m_showing)
        return;
    const QString date = m_ui->Date->text();
    const bool datePending = std::exchange(m_datePending, false);
    const QScopedValueRollback editing(m_editing, true);
    m_design.edit([&](DesignInputs& d) {
        if (datePending)
            d.project.date = date;
        d.project.*member = text;
    });
}
