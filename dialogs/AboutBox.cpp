// The About box.
#include "dialogs/AboutBox.h"

#include "ui_AboutBox.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TForm9>()) {
    m_ui->setupUi(this);
    setFixedSize(298, 170);
}

TForm9::~TForm9() = default;
