// The window of the soil measured on the site: the Wenner readings, the uniform and the two-layer
// soil fitted to them with their plot, and "Применить", which hands the chosen soil on.
#pragma once

#include "calc/WennerFit.h"
#include "design/MeasuredSoil.h"

#include <QWidget>
#include <optional>
#include <vector>

class KeyFilter;
class MessageSink;
class NumberText;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class SoilFileDialogs;
class SoilPlot;

class SoilMeasurementDialog : public QWidget {
    Q_OBJECT
public:
    // numbers: the number texts of the system (its decimal separator); sink: where errors are
    // shown; files: where the engineer picks files.
    SoilMeasurementDialog(const NumberText& numbers, MessageSink& sink, SoilFileDialogs& files,
                          QWidget* parent = nullptr);
    ~SoilMeasurementDialog() override;

    // The readings of the table's rows; empty while a row does not read.
    std::vector<WennerReading> readings() const;
    // Puts readings into the table in place of every row, one reading a row (1 to 50 of them).
    void setReadings(const std::vector<WennerReading>& readings);

    // The rows as typed and the engineer's pick of a model, and back.
    SoilMeasurementState state() const;
    void restoreState(const SoilMeasurementState& state);

    // The fit of the readings as they stand; none while a row does not read.
    const std::optional<SoilFit>& fit() const { return m_fit; }
    // The model that "Применить" hands on: the engineer's pick when the readings allow it, else
    // the proposed one.
    SoilModel model() const;

    // "Добавить строку": an empty row at the end.
    void addRow();
    // "Удалить строку": the current row, or the last; one row always stays.
    void removeRow();
    // "Вставить" and Ctrl+V on the table: readings from the clipboard's text in place of the rows.
    void pasteReadings();
    // "Импорт CSV…": readings from a file in place of the rows.
    void importReadings();
    // "Копировать график": the plot as a picture into the clipboard.
    void copyPlot();
    // "Сохранить график…": the plot into a PNG or SVG file.
    void savePlot();
    // "Применить": hands the soil of the chosen model on.
    void apply();

signals:
    // The soil the engineer applies, with the readings it was fitted to.
    void soilApplied(const MeasuredSoil& soil);
    // The engineer changed the readings or the pick of a model (what the design file keeps);
    // restoring them says nothing.
    void stateEdited();

private:
    void setUpTable();
    // The two models with their results, and the proposal.
    QGroupBox* modelChoice();
    void setRows(const QList<ReadingRowTexts>& rows);
    QList<ReadingRowTexts> rows() const;
    // Recomputes ρкаж of every row, the fit, its results and the plot.
    void refresh();
    void showResults();
    void chooseModel(SoilModel model);
    void keepRowButtonsInStep();

    const NumberText& m_numbers;
    MessageSink& m_sink;
    SoilFileDialogs& m_files;
    KeyFilter* m_keys;
    QTableWidget* m_table;
    QPushButton* m_addRow;
    QPushButton* m_removeRow;
    QLabel* m_problem;
    QRadioButton* m_uniform;
    QRadioButton* m_twoLayer;
    QLabel* m_uniformResult;
    QLabel* m_twoLayerResult;
    QLabel* m_proposal;
    SoilPlot* m_plot;
    QPushButton* m_apply;

    std::optional<SoilFit> m_fit;
    std::vector<WennerReading> m_readings; // the readings m_fit was fitted to
    std::optional<SoilModel> m_chosen;     // the engineer's pick
};
