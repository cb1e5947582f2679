// The window "Схема заземляющего устройства": the scheme of the design, its bill of materials with
// the check of sizes, the two thicknesses that the bill needs, and saving the scheme as a file.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"

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
    // What the window keeps of a design: the angle's wall δ and the strip's thickness δп.
    using State = SteelThickness;

    SchemeWindow(const NumberText& numbers, MessageSink& sink, QWidget* parent = nullptr);
    ~SchemeWindow() override;

    // Replaces the system's file dialog (tests).
    void setFileDialog(std::unique_ptr<SaveFileDialog> dialog);

    // Draws and counts the design as calculated; the window keeps a copy.
    void showDesign(const DesignState& state);
    // Back to the sentence shown before the first calculation.
    void clearDesign();
    bool hasDesign() const { return m_design.has_value(); }

    State dialogState() const;
    // Puts δ and δп into the inputs and redraws, without reporting an edit.
    void restoreDialogState(const State& state);

    // Asks for a file and saves the scheme into it (SVG, PNG or PDF by its extension); returns
    // whether it was saved. The button "Сохранить…" does this.
    bool saveScheme();

signals:
    // The engineer changed δ or δп.
    void stateEdited();

private:
    void refresh();
    void fillBill(const BillOfMaterials& bill);

    const NumberText& m_numbers;
    MessageSink& m_sink;
    std::unique_ptr<SaveFileDialog> m_fileDialog;
    std::optional<DesignState> m_design;
    QString m_lastFile;
    bool m_restoring = false;

    QSpinBox* m_angleWall;
    QSpinBox* m_stripThickness;
    QPushButton* m_save;
    QLabel* m_empty;
    QTabWidget* m_tabs;
    SchemeView* m_view;
    QTableWidget* m_bill;
    QLabel* m_warnings;
};
