// The window "Подбор вариантов заземляющего устройства": the lists, limits and prices of the
// search, the best variants found for the computed site, and "Применить" that puts one into the
// wizard.
#pragma once

#include "base/NumberText.h"
#include "calc/VariantSearch.h"
#include "design/Design.h"

#include <QWidget>
#include <atomic>
#include <memory>
#include <vector>

namespace Ui {
class VariantSearchWindow;
}
class QThread;

class VariantSearchWindow : public QWidget {
    Q_OBJECT
public:
    // Searches for the site that design's site stage computed, with the lists, limits and prices
    // that the design keeps: the window writes what is typed into the design and shows what a
    // design opened holds. numbers write and read the texts.
    VariantSearchWindow(Design& design, const NumberText& numbers, QWidget* parent = nullptr);
    ~VariantSearchWindow() override;

    // Starts a search off the GUI thread with the settings and the site as they are now; a search
    // still running is dropped.
    void search();

    // Writes the variant of the selected row into the design in one change: the arrangement and
    // material picks, the sizes, L and a, the picks of the two utilization dialogs and their
    // labels, δ and δп; sets the two selectors of the design state as the picks do. "Применить".
    void applySelected();

signals:
    // A variant was written into the design.
    void applied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSettings();
    // Reads the edit boxes into the design; the sentence on the first bad one, empty when none.
    QString readSettings();
    void editsChanged();
    void showResult(const VariantSearchResult& result);

    Design& m_design;
    const NumberText& m_numbers;
    std::unique_ptr<Ui::VariantSearchWindow> m_ui;
    std::vector<Variant> m_shown; // the variants in the table, by the index its rows keep
    std::shared_ptr<std::atomic<int>> m_generation;
    std::vector<QThread*> m_threads;
    bool m_showing = false;
};
