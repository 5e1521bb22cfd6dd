#pragma once

#include "update/conversion_listing.h"
#include "widgets/twips_window.h"

#include <vector>

class QPlainTextEdit;
class QPushButton;

// The schedule conversion tool: a maintenance window that lists its sample
// schedule one field per line. Nothing in the program shows it; its key on
// the bar (see addConversionToolKey) is the way in.
class Form6 : public TwipsWindow {
    Q_OBJECT
public:
    Form6();

    void Form_Load();
    void Command1_Click();

private:
    QPlainTextEdit* RichTextBox1;
    QPlainTextEdit* RichTextBox2;
    QPushButton* Command1;

    std::vector<ConversionTool::Row> table_;
};

class Program;

// Ctrl+Shift+I on `window` opens the conversion tool.
void addConversionToolKey(QWidget& window, Program& program);
