// The About box.
#include "dialogs/AboutBox.h"

#include "ui_AboutBox.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TForm9>()) {
    // The box's caption "Корвела v1.0" (in AboutBox.ui) is the box's own text, kept as it always
    // read; it is not the program's version, which the main window's title carries.
    m_ui->setupUi(this);
    setFixedSize(298, 170);
}

TForm9::~TForm9() = default;
