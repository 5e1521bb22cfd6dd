#include "update/form6.h"

#include "app/program.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, int left) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    placeTwips(box, left, 120, 4260, 5160);
    return box;
}

} // namespace

Form6::Form6() {
    setObjectName("Form6");
    setWindowTitle("Form6");
    RichTextBox1 = makeTextBox(this, "RichTextBox1", 120);
    RichTextBox1->setPlainText(QString::fromStdString(std::string(ConversionTool::sampleText)));
    RichTextBox2 = makeTextBox(this, "RichTextBox2", 4500);
    Command1 = new QPushButton("Command1", this);
    Command1->setObjectName("Command1");
    placeTwips(Command1, 120, 5400, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
}

void Form6::Form_Load() {
    setTwipsGeometry({1500, 1500, 8880, 5955});
    // The text box shows line ends as its own; the rules read them as CR LF.
    std::string text = RichTextBox1->toPlainText().toStdString();
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
        text.insert(at, 1, '\r');
    }
    table_ = ConversionTool::readTable(text);
}

void Form6::Command1_Click() {
    // Every click appends again.
    QString lines = QString::fromStdString(ConversionTool::listing(table_));
    lines.replace("\r\n", "\n");
    RichTextBox2->moveCursor(QTextCursor::End);
    RichTextBox2->insertPlainText(lines);
}

void addConversionToolKey(QWidget& window, Program& program) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&program] {
        Form6& tool = program.form6();
        tool.show();
        tool.raise();
        tool.activateWindow();
    });
}
