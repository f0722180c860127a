#include "PlainSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <vector>

namespace {

const int kSpinMaximum = 100000;

} // namespace

PlainSettingsDialog::PlainSettingsDialog(const QList<WidgetCensus>& pPages, QWidget* pParent)
    : QDialog(pParent)
{
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    layout->addWidget(tabs);
    for (int page = 0; page < pPages.size(); ++page)
        tabs->addTab(createPage(pPages.at(page), page), QStringLiteral("Page %1").arg(page + 1));
}

QWidget* PlainSettingsDialog::createPage(const WidgetCensus& pCensus, int pPage)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);

    // The controls in turn, so that every kind is spread over the page.
    std::vector<QWidget*> controls;
    int checks = pCensus.mCheckBoxes;
    int spins = pCensus.mSpinBoxes;
    int combos = pCensus.mComboBoxes;
    int edits = pCensus.mLineEdits;
    while (checks + spins + combos + edits > 0) {
        const int row = int(controls.size());
        if (checks > 0) {
            --checks;
            controls.push_back(new QCheckBox(QStringLiteral("Option %1").arg(row)));
        }
        if (spins > 0) {
            --spins;
            auto* spin = new QSpinBox;
            spin->setRange(0, kSpinMaximum);
            controls.push_back(spin);
        }
        if (combos > 0) {
            --combos;
            auto* combo = new QComboBox;
            combo->addItems({QStringLiteral("One"), QStringLiteral("Two"),
                             QStringLiteral("Three")});
            controls.push_back(combo);
        }
        if (edits > 0) {
            --edits;
            controls.push_back(new QLineEdit);
        }
    }

    // A label beside each control while labels last; the rest stand on rows of their own.
    const int labels = pCensus.mLabels;
    const int rows = qMax(labels, int(controls.size()));
    for (int row = 0; row < rows; ++row) {
        QLabel* label = row < labels
            ? new QLabel(QStringLiteral("Setting %1 of page %2").arg(row).arg(pPage + 1))
            : nullptr;
        QWidget* control = row < int(controls.size()) ? controls[row] : nullptr;
        if (label && control)
            form->addRow(label, control);
        else if (label)
            form->addRow(label);
        else
            form->addRow(control);
    }
    scroll->setWidget(page);
    return scroll;
}
