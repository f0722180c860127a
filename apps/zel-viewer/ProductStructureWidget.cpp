#include "ProductStructureWidget.h"

#include "ui_ProductStructureWidget.h"

#include "SampleAssembly.h"

#include <QHeaderView>

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
        item->setText(MassColumn,
                      tr("%1 kg").arg(mAssembly->componentMassKg(component), 0, 'f',
                                      kMassDecimals));
        item->setTextAlignment(MassColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(PartNumberColumn, mAssembly->components()[component].partNumber);
    }
    root->setExpanded(true);
}

} // namespace zel
