#include "pages/ConfigurationDifferencesDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 4;
// Wide enough for a caption and two values without scrolling sideways.
constexpr int kWidth = 760;
constexpr int kHeight = 460;

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

ConfigurationDifferencesDialog::ConfigurationDifferencesDialog(
    QWidget* parent, const QString& path, const std::vector<DifferenceRow>& rows,
    const std::vector<std::string>& notes)
    : QDialog(parent) {
    setWindowTitle("Загрузка конфигурации");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(
        QString("Файл %1.\nВ приборе отличаются от файла значений: %2. Записать в прибор "
                "значения из файла?")
            .arg(path)
            .arg(rows.size()),
        this));
    table = new QTableWidget(this);
    table->setObjectName(kTableName);
    FillTable(rows);
    layout->addWidget(table, 1);
    for (const std::string& note : notes) {
        QLabel* label = WrappedLabel(QString::fromStdString(note), this);
        label->setObjectName(kNoteName);
        layout->addWidget(label);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    writeButton = new QPushButton("Записать в прибор", this);
    writeButton->setObjectName(kWriteName);
    cancelButton = new QPushButton("Отмена", this);
    cancelButton->setObjectName(kCancelName);
    cancelButton->setDefault(true); // Enter never overwrites the controller by accident
    buttons->addWidget(writeButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(writeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ConfigurationDifferencesDialog::FillTable(const std::vector<DifferenceRow>& rows) {
    table->setColumnCount(kColumns);
    table->setHorizontalHeaderLabels({"Параметр", "Название", "В приборе", "В файле"});
    table->setRowCount(static_cast<int>(rows.size()));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    for (int r = 0; r < table->rowCount(); ++r) {
        const DifferenceRow& row = rows[static_cast<std::size_t>(r)];
        int column = 0;
        for (const std::string* text : {&row.key, &row.caption, &row.controller, &row.file})
            table->setItem(r, column++, new QTableWidgetItem(QString::fromStdString(*text)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}
