// The window "Данные проекта": the object, the document and who drew, checked and approved it.
#pragma once

#include "design/Design.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ProjectDataDialog;
}

class ProjectDataDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the project data of design and edits them as they are typed; follows a design opened
    // or changed elsewhere. When the design has no project data yet, "Дата" shows today's date,
    // which becomes the design's only with the first field the engineer edits: merely opening the
    // window leaves the design unmodified.
    explicit ProjectDataDialog(Design& design, QWidget* parent = nullptr);
    ~ProjectDataDialog() override;

private:
    // The fields as the design holds its project data.
    void refresh();
    // The engineer's text of the field of member written into the design.
    void edited(QString ProjectData::*member, const QString& text);

    Design& m_design;
    std::unique_ptr<Ui::ProjectDataDialog> m_ui;
    bool m_showing = false;     // the fields are being filled from the design
    bool m_editing = false;     // the design is being edited from a field
    bool m_datePending = false; // "Дата" shows today's date, not yet the design's
};
