#include "ProductStructureWidget.h"

#include "ui_ProductStructureWidget.h"

#include "SampleAssembly.h"

#include <QEvent>
#include <QHeaderView>
#include <QLocale>

namespace zel {

namespace {

const int kMassDecimals = 3;

} // namespace

ProductStructureWidget::ProductStructureWidget(QWidget* pParent)
    : QWidget(pParent)
    , mUi(new Ui::ProductStructureWidget)
{
    mUi->setupUi(this);
    mUi->structureTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

ProductStructureWidget::~ProductStructureWidget()
{
    delete mUi;
}

void ProductStructureWidget::setAssembly(const SampleAssembly* pAssembly)
{
    mAssembly = pAssembly;
    rebuild();
}

void ProductStructureWidget::setNamingPolicy(int pType)
{
    const int type = (pType == 1 || pType == 2) ? pType : 0;
    if (type == mNamingPolicy)
        return;
    mNamingPolicy = type;
    rebuild();
}

QTreeWidget* ProductStructureWidget::tree() const
{
    return mUi->structureTree;
}

QString ProductStructureWidget::massText(int pComponent) const
{
    return tr("%1 kg").arg(
        QLocale().toString(mAssembly->componentMassKg(pComponent), 'f', kMassDecimals));
}

void ProductStructureWidget::changeEvent(QEvent* pEvent)
{
    // The names belong to the model; the headers and the unit follow the language.
    if (pEvent->type() == QEvent::LanguageChange) {
        mUi->retranslateUi(this);
        const QTreeWidgetItem* root = mUi->structureTree->topLevelItem(0);
        for (int i = 0; mAssembly && root && i < root->childCount(); ++i)
            root->child(i)->setText(MassColumn, massText(mAssembly->instances()[i].component));
    }
    QWidget::changeEvent(pEvent);
}

void ProductStructureWidget::rebuild()
{
    QTreeWidget* tree = mUi->structureTree;
    tree->clear();
    if (!mAssembly)
        return;
    auto* root = new QTreeWidgetItem(tree, QStringList(mAssembly->name()));
    for (int i = 0; i < mAssembly->instances().size(); ++i) {
        const int component = mAssembly->instances()[i].component;
        auto* item = new QTreeWidgetItem(root);
        item->setText(NameColumn, mAssembly->displayName(i, mNamingPolicy));
        item->setText(ComponentColumn, mAssembly->components()[component].name);
        item->setText(MaterialColumn, mAssembly->components()[component].material);
        item->setText(MassColumn, massText(component));
        item->setTextAlignment(MassColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(PartNumberColumn, mAssembly->components()[component].partNumber);
    }
    root->setExpanded(true);
}

} // namespace zel
