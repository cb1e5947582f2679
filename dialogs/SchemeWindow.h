// The window "Схема заземляющего устройства": the scheme of the design, its bill of materials with
// the check of sizes, the two thicknesses that the bill needs, and saving the scheme as a file.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/Design.h"

#include <QWidget>
#include <memory>
#include <optional>

class MessageSink;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class SaveFileDialog;
class SchemeView;

class SchemeWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the results of design as page 3 shows them, and edits its steel thicknesses.
    SchemeWindow(Design& design, const NumberText& numbers, MessageSink& sink,
                 QWidget* parent = nullptr);
    ~SchemeWindow() override;

    // Replaces the system's file dialog (tests).
    void setFileDialog(std::unique_ptr<SaveFileDialog> dialog);

    // Asks for a file and saves the scheme into it (SVG, PNG or PDF by its extension); returns
    // whether it was saved. The button "Сохранить…" does this.
    bool saveScheme();
    // Asks for a file and writes the equipment schedule of the bill into it as a spreadsheet;
    // returns whether it was written. The button "Экспорт спецификации (XLSX)…" does this.
    bool exportEquipmentSchedule();

private:
    // The inputs, the drawing and the bill as the design holds them.
    void refresh();
    void fillBill(const BillOfMaterials& bill);
    SteelThickness thickness() const { return m_design.inputs().scheme; }

    Design& m_design;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    std::unique_ptr<SaveFileDialog> m_fileDialog;
    QString m_lastFile;
    bool m_showing = false;

    QSpinBox* m_angleWall;
    QSpinBox* m_stripThickness;
    QPushButton* m_save;
    QPushButton* m_exportEquipmentSchedule;
    QString m_lastEquipmentSchedule;
    QLabel* m_empty;
    QTabWidget* m_tabs;
    SchemeView* m_view;
    QTableWidget* m_bill;
    QLabel* m_warnings;
};
