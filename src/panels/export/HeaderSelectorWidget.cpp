#include "HeaderSelectorWidget.h"

#include "kmDMIApplication.h"
#include "kmDMManager.h"
#include "ui_HeaderSelectorWidget.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace zel {

namespace {

void fillList(QListWidget* pList, const QStringList& pNames)
{
    pList->clear();
    for (const QString& name : pNames) {
        auto* item = new QListWidgetItem(name);
        item->setToolTip(name);
        pList->addItem(item);
    }
}

// The remembered row may have gone with the moved item; the row now in its place is shown.
void scrollToRow(QListWidget* pList, int pRow)
{
    const int row = std::min(pRow, pList->count() - 1);
    if (row >= 0)
        pList->scrollToItem(pList->item(row));
}

} // namespace

HeaderSelectorWidget::HeaderSelectorWidget(QWidget* pParent, Qt::WindowFlags pFlags)
    : QWidget(pParent, pFlags)
    , mUi(new Ui::HeaderSelectorWidget)
{
    mUi->setupUi(this);
    mUi->mListWidgetColumnSrc->setSortingEnabled(false);
    mUi->mListWidgetColumnDest->setSortingEnabled(false);
}

HeaderSelectorWidget::~HeaderSelectorWidget()
{
    delete mUi;
}

void HeaderSelectorWidget::changeEvent(QEvent* pEvent)
{
    // The lists hold the model's attribute names, which are not translated.
    if (pEvent->type() == QEvent::LanguageChange)
        mUi->retranslateUi(this);
    QWidget::changeEvent(pEvent);
}

void HeaderSelectorWidget::setApplication(kmDMIApplication* pApplication)
{
    mApplication = pApplication;
}

QStringList HeaderSelectorWidget::getHeaders() const
{
    QStringList headers;
    const QListWidget* list = mUi->mListWidgetColumnDest;
    for (int row = 0; row < list->count(); ++row)
        headers << list->item(row)->text();
    return headers;
}

void HeaderSelectorWidget::setHeaders(const QStringList& pNames)
{
    const QSignalBlocker blocker(this);
    clearHeaders();
    QList<QListWidgetItem*> items;
    const QListWidget* available = mUi->mListWidgetColumnSrc;
    for (const QString& name : pNames) {
        for (int row = 0; row < available->count(); ++row) {
            if (available->item(row)->text() == name) {
                items << available->item(row);
                break;
            }
        }
    }
    addItems(items);
}

void HeaderSelectorWidget::clearHeaders()
{
    if (!mApplication)
        return;
    fillList(mUi->mListWidgetColumnSrc, knownNames());
    mUi->mListWidgetColumnDest->clear();
    emit headersChanged();
}

void HeaderSelectorWidget::addAllHeaders()
{
    if (!mApplication)
        return;
    fillList(mUi->mListWidgetColumnDest, knownNames());
    mUi->mListWidgetColumnSrc->clear();
    emit headersChanged();
}

void HeaderSelectorWidget::addItems(QList<QListWidgetItem*> pItems)
{
    moveItems(pItems, mUi->mListWidgetColumnSrc, mUi->mListWidgetColumnDest);
}

void HeaderSelectorWidget::removeItems(QList<QListWidgetItem*> pItems)
{
    moveItems(pItems, mUi->mListWidgetColumnDest, mUi->mListWidgetColumnSrc);
}

void HeaderSelectorWidget::on_mPushButtonMvSrcToDest_pressed()
{
    addItems(mUi->mListWidgetColumnSrc->selectedItems());
}

void HeaderSelectorWidget::on_mPushButtonMvDestToSrc_pressed()
{
    removeItems(mUi->mListWidgetColumnDest->selectedItems());
}

void HeaderSelectorWidget::on_mPushButtonAddAll_pressed()
{
    addAllHeaders();
}

void HeaderSelectorWidget::on_mPushButtonClearAll_pressed()
{
    clearHeaders();
}

void HeaderSelectorWidget::on_mPushButtonUp_pressed()
{
    moveHeadersUp();
}

void HeaderSelectorWidget::on_mPushButtonDown_pressed()
{
    moveHeadersDown();
}

void HeaderSelectorWidget::on_mListWidgetColumnSrc_itemDoubleClicked(QListWidgetItem* pItem)
{
    const int row = mUi->mListWidgetColumnSrc->currentRow();
    addItems({pItem});
    scrollToRow(mUi->mListWidgetColumnSrc, row);
}

void HeaderSelectorWidget::on_mListWidgetColumnDest_itemDoubleClicked(QListWidgetItem* pItem)
{
    const int row = mUi->mListWidgetColumnDest->currentRow();
    removeItems({pItem});
    scrollToRow(mUi->mListWidgetColumnDest, row);
}

void HeaderSelectorWidget::moveHeadersUp()
{
    moveSelectedHeaders(-1);
}

void HeaderSelectorWidget::moveHeadersDown()
{
    moveSelectedHeaders(1);
}

QStringList HeaderSelectorWidget::knownNames() const
{
    QStringList names;
    if (const kmDMManager* manager = mApplication->getDMManager()) {
        const AttributesDictionary& dictionary = manager->getAttributesDictionary();
        QStringList instanceNames;
        dictionary.getComponentAttributeNames(names);
        dictionary.getInstanceAttributeNames(instanceNames);
        names += instanceNames;
    }
    names.sort(Qt::CaseSensitive);
    names.removeDuplicates();
    return names;
}

void HeaderSelectorWidget::moveItems(const QList<QListWidgetItem*>& pItems,
                                     QListWidget* pSource, QListWidget* pTarget)
{
    for (QListWidgetItem* item : pItems) {
        // A name asked for twice names the same item, which has already moved.
        const int sourceRow = pSource->row(item);
        if (sourceRow < 0)
            continue;
        const int targetRow = pTarget->currentRow();
        pSource->takeItem(sourceRow);
        if (targetRow < 0)
            pTarget->addItem(item);
        else
            pTarget->insertItem(targetRow, item);
    }
    pSource->viewport()->update();
    pTarget->viewport()->update();
    emit headersChanged();
}

void HeaderSelectorWidget::moveSelectedHeaders(int pOffset)
{
    QListWidget* list = mUi->mListWidgetColumnDest;
    const int count = list->count();
    // Rows counted from the edge that the items move towards.
    const auto distance = [pOffset, count](int pRow) {
        return pOffset < 0 ? pRow : count - 1 - pRow;
    };
    QList<QListWidgetItem*> items = list->selectedItems();
    std::sort(items.begin(), items.end(),
              [list, &distance](QListWidgetItem* pLeft, QListWidgetItem* pRight) {
                  return distance(list->row(pLeft)) < distance(list->row(pRight));
              });
    // Selected rows held at the edge hold back those stacked against them, so a block of
    // rows keeps its order; moved items stay selected for the next step.
    int barrier = 0;
    for (QListWidgetItem* item : items) {
        const int row = list->row(item);
        const int fromEdge = distance(row);
        if (fromEdge > barrier) {
            list->takeItem(row);
            list->insertItem(row + pOffset, item);
            item->setSelected(true);
            barrier = fromEdge;
        } else {
            barrier = fromEdge + 1;
        }
    }
    list->viewport()->update();
    emit headersChanged();
}

} // namespace zel
