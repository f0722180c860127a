#pragma once

#include <QIcon>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QVector>

class QAbstractButton;
class QBoxLayout;
class QGridLayout;
class QLayout;
class QLayoutItem;
class QScrollArea;
class QWidget;

namespace Ui {
class ZelExportSettingsPanel;
}

namespace zel {

// The export tool in a column narrower than its rows: a form's labels go above their fields,
// a row of buttons goes to lines of its own, so that the column never scrolls sideways.
class ExportToolLayout : public QObject
{
    Q_OBJECT

public:
    // How a grid is laid out when the column is too narrow for it.
    enum tGridWrap
    {
        LabelsAbove, // the first column above the others
        OnePerRow    // every cell on a row of its own
    };

    // Puts the tool's pages in a scroll area in their place, one that scrolls up and down
    // only, and follows its width.
    explicit ExportToolLayout(Ui::ZelExportSettingsPanel& pUi);

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void addGrid(QGridLayout* pGrid, tGridWrap pWrap, QBoxLayout* pTurned = nullptr);
    void addRow(QBoxLayout* pRow);
    // pButton shows pTurned while the last grid added is narrow.
    void addTurnedIcon(QAbstractButton* pButton, const QIcon& pTurned);
    // Measures every row again, as after a change of texts or fonts, and lays them out.
    void remeasure();

    struct Cell
    {
        QLayoutItem* item;
        int row;
        int column;
        int rowSpan;
        int columnSpan;
    };

    struct Wrapped
    {
        QLayout* layout = nullptr;
        QGridLayout* grid = nullptr;
        QBoxLayout* row = nullptr;
        tGridWrap wrap = LabelsAbove;
        QBoxLayout* turned = nullptr;
        QVector<Cell> cells;
        QVector<QSize> spacerSizes;
        QVector<QPair<QAbstractButton*, QIcon>> icons;
        QVector<int> minimumWidths;
        QVector<int> stretches;
        int wideWidth = 0;
        bool narrow = false;
    };

    void arrange();
    void setNarrow(Wrapped& pWrapped, bool pNarrow);
    void placeGrid(Wrapped& pWrapped, bool pNarrow);
    int inset(const QLayout* pLayout) const;

    QWidget* mContents;
    QScrollArea* mArea;
    // Kept apart from the area: its events may still come while the area is being destroyed.
    QWidget* mViewport = nullptr;
    QVector<Wrapped> mWrapped;
    bool mMeasured = false;
};

} // namespace zel
