#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace zel {

class ZelSettingRow;
class ZelSettingsPanel;

// What a host of settings panels shows, once asked, to help a person find and understand a
// setting: a search field that filters the rows of the panels, marks on the rows that were
// changed or differ from their default, the reset of one row, restart hints, and on each
// panel's tab the count of its pending changes.
class ZelSettingsGuide : public QObject
{
    Q_OBJECT

public:
    enum tPanels
    {
        // All panels one below the other: a panel without a match is hidden.
        StackedPanels,
        // One panel in view at a time: the view moves to a panel with a match.
        OnePanelAtATime
    };

    ZelSettingsGuide(QWidget* pHost, QScrollArea* pScrollArea, tPanels pPanels);
    ~ZelSettingsGuide() override;

    // For the host to place in its form.
    QLineEdit* searchField() const;
    QLabel* noMatchLabel() const;

    void addPanel(ZelSettingsPanel* pPanel);
    // Takes the guide's marks out of the panel, which goes back to its owner.
    void removePanel(ZelSettingsPanel* pPanel);
    // The sentence that names the settings whose pending changes take effect only after a
    // restart; empty when there are none.
    QString restartSentence();

public Q_SLOTS:
    // The marks and the filter follow the panels at the next turn of the event loop.
    void refresh();

Q_SIGNALS:
    // The panel in view has no match, this one has.
    void panelWanted(ZelSettingsPanel* pPanel);

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    struct Entry
    {
        QPointer<ZelSettingsPanel> panel;
        QPointer<QPushButton> tab;
        QPointer<QLabel> badge;
        QList<ZelSettingRow*> rows;
    };

    void update();
    // Shows the rows that match and hides the rest; gives the first panel with a match.
    ZelSettingsPanel* filter(bool* pInViewMatches = nullptr);
    void onSearchEdited();
    void land();
    void retranslate();
    void placeBadge(const Entry& pEntry) const;
    bool shownUnlessFiltered(const QWidget* pWidget, const QWidget* pPanel) const;
    void collectUnmatched(QWidget* pContainer, const QList<QWidget*>& pParts,
                          QSet<QWidget*>& pHide) const;
    void setHiddenByFilter(const QSet<QWidget*>& pHide);
    QStringList words() const;

    QPointer<QWidget> mHost;
    QPointer<QScrollArea> mScrollArea;
    tPanels mPanels;
    QPointer<QLineEdit> mSearch;
    QPointer<QLabel> mNoMatch;
    QList<Entry> mEntries;
    // The widgets that the filter hid, and only those: it shows them again.
    QList<QPointer<QWidget>> mHiddenByFilter;
    QTimer mUpdateTimer;
};

} // namespace zel
