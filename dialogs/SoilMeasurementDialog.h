// The window of the soil measured on the site: the Wenner readings, the uniform and the two-layer
// soil fitted to them with their plot, and "Применить", which hands the chosen soil on.
#pragma once

#include "calc/WennerFit.h"
#include "design/Design.h"

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
    // design: the readings and the pick of a model it keeps, and the site page that "Применить"
    // writes; numbers: the number texts of the system (its decimal separator); sink: where
    // errors are shown; files: where the engineer picks files.
    SoilMeasurementDialog(Design& design, const NumberText& numbers, MessageSink& sink,
                          SoilFileDialogs& files, QWidget* parent = nullptr);
    ~SoilMeasurementDialog() override;

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
    // "Применить": puts the soil of the chosen model into the site page.
    void apply();

private:
    // The model that "Применить" hands on: the engineer's pick when the readings allow it, else
    // the proposed one.
    SoilModel model() const;
    // Puts readings into the table in place of every row, one reading a row (1 to 50 of them).
    void setReadings(const std::vector<WennerReading>& readings);
    // What the table and the pick are for the design: rows that hold nothing are no readings.
    SoilMeasurementState state() const;
    // The engineer changed the rows or the pick: the design takes them.
    void edited();
    // The table and the pick as the design holds them.
    void showDesign();
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

    Design& m_design;
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
    bool m_showing = false;
};
