#include "ExportToolLayout.h"

#include "ui_ZelExportSettingsPanel.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QScrollArea>
#include <QSpacerItem>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace zel {

namespace {

int Across(const QMargins& pMargins)
{
    return pMargins.left() + pMargins.right();
}

QVector<QSize> SpacerSizes(const QBoxLayout* pRow)
{
    QVector<QSize> sizes;
    for (int index = 0; pRow && index < pRow->count(); ++index) {
        if (QSpacerItem* spacer = pRow->itemAt(index)->spacerItem())
            sizes.append(spacer->sizeHint());
    }
    return sizes;
}

// Spacers keep the room between the buttons of a row, not between lines.
void FoldSpacers(QBoxLayout* pRow, const QVector<QSize>& pSizes, bool pFolded)
{
    int spacerIndex = 0;
    for (int index = 0; index < pRow->count(); ++index) {
        QSpacerItem* spacer = pRow->itemAt(index)->spacerItem();
        if (!spacer || spacerIndex >= pSizes.size())
            continue;
        const QSize size = pFolded ? QSize(0, 0) : pSizes[spacerIndex++];
        const QSizePolicy policy = spacer->sizePolicy();
        spacer->changeSize(size.width(), size.height(), policy.horizontalPolicy(),
                           policy.verticalPolicy());
    }
    pRow->invalidate();
}

} // namespace

ExportToolLayout::ExportToolLayout(Ui::ZelExportSettingsPanel& pUi)
    : QObject(pUi.scrollAreaWidgetContents)
    , mContents(pUi.scrollAreaWidgetContents)
{
    QWidget* parent = mContents->parentWidget();
    QWidget* before = mContents->previousInFocusChain();
    mArea = new QScrollArea(parent);
    QWidget::setTabOrder(before, mArea);
    mArea->setObjectName(QStringLiteral("scrollArea"));
    mArea->setFrameShape(QFrame::NoFrame);
    mArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mArea->setWidgetResizable(true);
    delete parent->layout()->replaceWidget(mContents, mArea);
    mArea->setWidget(mContents);
    // A scroll area keeps the size that its contents ask for the first time it is asked: the
    // tool asks, in its own font, for the room of all its pages before all but one are hidden.
    mArea->ensurePolished();
    mArea->sizeHint();
    mViewport = mArea->viewport();
    mViewport->installEventFilter(this);
    mContents->installEventFilter(this);

    addGrid(pUi.imageContentLayout, LabelsAbove);
    addRow(pUi.mTabbedWidgetImgButtons);
    addGrid(pUi.vectorialContentLayout, LabelsAbove);
    addRow(pUi.mTabbedWidgetVecButtons);
    addRow(pUi.bomFormatLayout);
    QWidget* headers = pUi.mHeaderSelectorWidget;
    // The lists one above the other, the buttons that move between them in a line.
    addGrid(headers->findChild<QGridLayout*>(QStringLiteral("gridLayout")), OnePerRow,
            headers->findChild<QBoxLayout*>(QStringLiteral("moveLayout")));
    addTurnedIcon(headers->findChild<QAbstractButton*>(QStringLiteral("mPushButtonMvSrcToDest")),
                  QIcon(QStringLiteral(":/icons/icons/arrow_down.png")));
    addTurnedIcon(headers->findChild<QAbstractButton*>(QStringLiteral("mPushButtonMvDestToSrc")),
                  QIcon(QStringLiteral(":/icons/icons/arrow_up.png")));
    addRow(headers->findChild<QBoxLayout*>(QStringLiteral("orderLayout")));
    addRow(pUi.mTabbedWidgetBOMButtons);
    addGrid(pUi.geometricContentLayout, LabelsAbove);
    addRow(pUi.mTabbedWidget3DButtons);
}

void ExportToolLayout::addGrid(QGridLayout* pGrid, tGridWrap pWrap, QBoxLayout* pTurned)
{
    Wrapped wrapped;
    wrapped.layout = pGrid;
    wrapped.grid = pGrid;
    wrapped.wrap = pWrap;
    wrapped.turned = pTurned;
    wrapped.spacerSizes = SpacerSizes(pTurned);
    for (int index = 0; index < pGrid->count(); ++index) {
        Cell cell{pGrid->itemAt(index), 0, 0, 0, 0};
        pGrid->getItemPosition(index, &cell.row, &cell.column, &cell.rowSpan,
                               &cell.columnSpan);
        wrapped.cells.append(cell);
    }
    std::sort(wrapped.cells.begin(), wrapped.cells.end(), [](const Cell& pA, const Cell& pB) {
        return pA.row != pB.row ? pA.row < pB.row : pA.column < pB.column;
    });
    for (int column = 0; column < pGrid->columnCount(); ++column) {
        wrapped.minimumWidths.append(pGrid->columnMinimumWidth(column));
        wrapped.stretches.append(pGrid->columnStretch(column));
    }
    mWrapped.append(wrapped);
}

void ExportToolLayout::addRow(QBoxLayout* pRow)
{
    Wrapped wrapped;
    wrapped.layout = pRow;
    wrapped.row = pRow;
    wrapped.spacerSizes = SpacerSizes(pRow);
    mWrapped.append(wrapped);
}

void ExportToolLayout::addTurnedIcon(QAbstractButton* pButton, const QIcon& pTurned)
{
    mWrapped.last().icons.append({pButton, pTurned});
}

void ExportToolLayout::remeasure()
{
    for (Wrapped& wrapped : mWrapped)
        setNarrow(wrapped, false);
    for (Wrapped& wrapped : mWrapped)
        wrapped.wideWidth = wrapped.layout->minimumSize().width();
    mMeasured = true;
    arrange();
}

bool ExportToolLayout::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pObject == mViewport && pEvent->type() == QEvent::Resize) {
        if (mMeasured)
            arrange();
        else
            remeasure();
    } else if (pObject == mContents
               && (pEvent->type() == QEvent::LanguageChange
                   || pEvent->type() == QEvent::FontChange
                   || pEvent->type() == QEvent::StyleChange)) {
        // The texts change after this event has reached every widget.
        mMeasured = false;
        QTimer::singleShot(0, this, [this] {
            if (!mMeasured)
                remeasure();
        });
    }
    return QObject::eventFilter(pObject, pEvent);
}

void ExportToolLayout::arrange()
{
    const int available = mViewport->width();
    for (Wrapped& wrapped : mWrapped)
        setNarrow(wrapped, wrapped.wideWidth + inset(wrapped.layout) > available);
}

void ExportToolLayout::setNarrow(Wrapped& pWrapped, bool pNarrow)
{
    if (pWrapped.narrow == pNarrow)
        return;
    pWrapped.narrow = pNarrow;
    if (pWrapped.row) {
        pWrapped.row->setDirection(pNarrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
        FoldSpacers(pWrapped.row, pWrapped.spacerSizes, pNarrow);
        return;
    }
    placeGrid(pWrapped, pNarrow);
    if (pWrapped.turned) {
        pWrapped.turned->setDirection(pNarrow ? QBoxLayout::LeftToRight
                                              : QBoxLayout::TopToBottom);
        FoldSpacers(pWrapped.turned, pWrapped.spacerSizes, pNarrow);
    }
    // The buttons that move an entry point from one list to the other.
    for (auto& icon : pWrapped.icons) {
        const QIcon shown = icon.first->icon();
        icon.first->setIcon(icon.second);
        icon.second = shown;
    }
}

void ExportToolLayout::placeGrid(Wrapped& pWrapped, bool pNarrow)
{
    QGridLayout* grid = pWrapped.grid;
    while (grid->count() > 0)
        grid->takeAt(grid->count() - 1);
    const int columns = pWrapped.minimumWidths.size();
    const int narrowColumns = pWrapped.wrap == OnePerRow ? 1 : std::max(1, columns - 1);
    const auto place = [grid](const Cell& pCell, int pRow, int pColumn, int pRowSpan,
                              int pColumnSpan) {
        // A row's own layout comes back as the grid's child, as when it was first added.
        if (QLayout* layout = pCell.item->layout())
            grid->addLayout(layout, pRow, pColumn, pRowSpan, pColumnSpan,
                            pCell.item->alignment());
        else
            grid->addItem(pCell.item, pRow, pColumn, pRowSpan, pColumnSpan,
                          pCell.item->alignment());
    };
    // How many fields each row has beside its label.
    QHash<int, int> fields;
    for (const Cell& cell : qAsConst(pWrapped.cells)) {
        if (cell.column > 0)
            ++fields[cell.row];
    }
    int line = 0;
    int fieldsOf = -1;
    int fieldLine = 0;
    for (const Cell& cell : qAsConst(pWrapped.cells)) {
        if (!pNarrow) {
            place(cell, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        } else if (pWrapped.wrap == LabelsAbove && cell.column > 0) {
            // The fields of a row share the line below their label; a field alone there
            // takes the whole line, so that its width does not add to another row's.
            if (cell.row != fieldsOf) {
                fieldsOf = cell.row;
                fieldLine = line++;
            }
            if (fields.value(cell.row) == 1)
                place(cell, fieldLine, 0, 1, narrowColumns);
            else
                place(cell, fieldLine, cell.column - 1, 1, 1);
        } else {
            place(cell, line++, 0, 1, narrowColumns);
        }
    }
    for (int column = 0; column < columns; ++column) {
        const int shifted = pWrapped.wrap == LabelsAbove ? column + 1 : columns;
        grid->setColumnMinimumWidth(column, pNarrow ? 0 : pWrapped.minimumWidths[column]);
        grid->setColumnStretch(column, !pNarrow            ? pWrapped.stretches[column]
                                       : shifted < columns ? pWrapped.stretches[shifted]
                                                           : 0);
    }
    grid->invalidate();
}

// The margins of the layouts between the tool's contents and pLayout.
int ExportToolLayout::inset(const QLayout* pLayout) const
{
    int inset = 0;
    const QObject* previous = pLayout;
    for (const QObject* node = pLayout->parent(); node; previous = node, node = node->parent()) {
        if (auto* layout = qobject_cast<const QLayout*>(node)) {
            inset += Across(layout->contentsMargins());
        } else if (auto* widget = qobject_cast<const QWidget*>(node)) {
            if (widget->layout() && widget->layout() != previous)
                inset += Across(widget->layout()->contentsMargins());
            if (widget == mContents)
                break;
        }
    }
    return inset;
}

} // namespace zel
