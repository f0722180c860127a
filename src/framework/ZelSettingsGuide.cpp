#include "ZelSettingsGuide.h"

#include "ZelSettingRow.h"
#include "ZelSettingsPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <functional>

namespace zel {

namespace {

const char kClassProperty[] = "class";
const char kDimmedProperty[] = "searchDimmed";
const char kSectionHeaderClass[] = "sectionHeader";
// Room for the text of the current tab, which the style sheet draws bold.
const int kBadgeGap = 10;

// Escape empties the field before it closes anything; Return goes to the first match.
class SearchField : public QLineEdit
{
public:
    explicit SearchField(QWidget* pParent) : QLineEdit(pParent) {}

    std::function<void()> mOnReturn;

protected:
    bool event(QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::ShortcutOverride
            && clears(*static_cast<QKeyEvent*>(pEvent))) {
            pEvent->accept();
            return true;
        }
        return QLineEdit::event(pEvent);
    }

    void keyPressEvent(QKeyEvent* pEvent) override
    {
        if (clears(*pEvent)) {
            clear();
            pEvent->accept();
            return;
        }
        const bool plain = (pEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)) {
            if (mOnReturn)
                mOnReturn();
            pEvent->accept();
            return;
        }
        QLineEdit::keyPressEvent(pEvent);
    }

private:
    bool clears(const QKeyEvent& pEvent) const
    {
        return pEvent.key() == Qt::Key_Escape && pEvent.modifiers() == Qt::NoModifier
               && !text().isEmpty();
    }
};

bool IsSectionHeader(const QWidget* pWidget)
{
    return pWidget->property(kClassProperty)
        .toString()
        .split(QLatin1Char(' '))
        .contains(QLatin1String(kSectionHeaderClass));
}

// The widget that follows pWidget in its parent's layout: the frame below a section header.
QWidget* NextInLayout(const QWidget* pWidget)
{
    const QWidget* parent = pWidget->parentWidget();
    QLayout* layout = parent ? parent->layout() : nullptr;
    const int index = layout ? layout->indexOf(const_cast<QWidget*>(pWidget)) : -1;
    if (index < 0)
        return nullptr;
    for (int next = index + 1; next < layout->count(); ++next) {
        if (QWidget* widget = layout->itemAt(next)->widget())
            return widget;
    }
    return nullptr;
}

void SetDimmed(QPushButton* pTab, bool pDimmed)
{
    if (!pTab || pTab->property(kDimmedProperty).toBool() == pDimmed)
        return;
    pTab->setProperty(kDimmedProperty, pDimmed);
    pTab->style()->unpolish(pTab);
    pTab->style()->polish(pTab);
    pTab->update();
}

} // namespace

ZelSettingsGuide::ZelSettingsGuide(QWidget* pHost, QScrollArea* pScrollArea, tPanels pPanels)
    : QObject(pHost)
    , mHost(pHost)
    , mScrollArea(pScrollArea)
    , mPanels(pPanels)
{
    auto* search = new SearchField(pHost);
    search->setObjectName(QStringLiteral("settingsSearch"));
    search->setClearButtonEnabled(true);
    search->mOnReturn = [this] { land(); };
    connect(search, &QLineEdit::textChanged, this, &ZelSettingsGuide::onSearchEdited);
    mSearch = search;

    mNoMatch = new QLabel(pHost);
    mNoMatch->setObjectName(QStringLiteral("noSettingMatches"));
    mNoMatch->setProperty(kClassProperty, QStringLiteral("textSecondary"));
    mNoMatch->setAlignment(Qt::AlignCenter);
    mNoMatch->hide();

    mUpdateTimer.setSingleShot(true);
    mUpdateTimer.setInterval(0);
    connect(&mUpdateTimer, &QTimer::timeout, this, &ZelSettingsGuide::update);
    pHost->installEventFilter(this);
    retranslate();
}

ZelSettingsGuide::~ZelSettingsGuide()
{
    // The panels that are still registered go with the host, marks and all.
    mUpdateTimer.stop();
    for (const Entry& entry : std::as_const(mEntries)) {
        delete entry.badge;
        qDeleteAll(entry.rows);
    }
}

QLineEdit* ZelSettingsGuide::searchField() const
{
    return mSearch;
}

QLabel* ZelSettingsGuide::noMatchLabel() const
{
    return mNoMatch;
}

void ZelSettingsGuide::addPanel(ZelSettingsPanel* pPanel)
{
    Entry entry;
    entry.panel = pPanel;
    entry.tab = pPanel->getActionWidget();
    for (QWidget* control : ZelSettingRow::Controls(pPanel)) {
        auto* row = new ZelSettingRow(pPanel, control, this);
        connect(row, &ZelSettingRow::edited, this, &ZelSettingsGuide::refresh);
        entry.rows.append(row);
    }
    if (entry.tab) {
        entry.badge = new QLabel(entry.tab);
        entry.badge->setObjectName(QStringLiteral("changeCount"));
        entry.badge->setProperty(kClassProperty, QStringLiteral("changeCount"));
        entry.badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        entry.badge->hide();
        entry.tab->installEventFilter(this);
    }
    connect(pPanel, SIGNAL(stateChanged()), this, SLOT(refresh()));
    pPanel->installEventFilter(this);
    mEntries.append(entry);
    refresh();
}

void ZelSettingsGuide::removePanel(ZelSettingsPanel* pPanel)
{
    for (int index = mEntries.size() - 1; index >= 0; --index) {
        Entry entry = mEntries.at(index);
        if (entry.panel != pPanel)
            continue;
        mEntries.removeAt(index);
        disconnect(pPanel, nullptr, this, nullptr);
        pPanel->removeEventFilter(this);
        for (QPointer<QWidget>& hidden : mHiddenByFilter) {
            if (hidden && (hidden == pPanel || pPanel->isAncestorOf(hidden))) {
                hidden->show();
                hidden = nullptr;
            }
        }
        for (ZelSettingRow* row : std::as_const(entry.rows)) {
            row->removeMarks();
            delete row;
        }
        if (entry.tab) {
            entry.tab->removeEventFilter(this);
            entry.tab->setAccessibleDescription(QString());
            SetDimmed(entry.tab, false);
        }
        delete entry.badge;
    }
    refresh();
}

QString ZelSettingsGuide::restartSentence()
{
    update();
    QStringList names;
    for (const Entry& entry : std::as_const(mEntries)) {
        for (const ZelSettingRow* row : entry.rows) {
            if (row->isRestartPending())
                names.append(row->label());
        }
    }
    if (names.isEmpty())
        return QString();
    return tr("These settings take effect only after a restart: %1.")
        .arg(names.join(tr(", ")));
}

void ZelSettingsGuide::refresh()
{
    mUpdateTimer.start();
}

void ZelSettingsGuide::update()
{
    mUpdateTimer.stop();
    for (const Entry& entry : std::as_const(mEntries)) {
        int changes = 0;
        for (ZelSettingRow* row : entry.rows) {
            row->refresh();
            changes += row->isChanged() ? 1 : 0;
        }
        if (entry.badge) {
            entry.badge->setText(QString::number(changes));
            entry.badge->setVisible(changes > 0);
            entry.tab->setAccessibleDescription(
                changes > 0 ? tr("Pending changes: %1").arg(changes) : QString());
            placeBadge(entry);
        }
    }
    filter();
}

QStringList ZelSettingsGuide::words() const
{
    QStringList words;
    const QStringList typed =
        mSearch ? mSearch->text().simplified().split(QLatin1Char(' ')) : QStringList();
    for (const QString& word : typed) {
        const QString folded = ZelSettingRow::Fold(word);
        if (!folded.isEmpty())
            words.append(folded);
    }
    return words;
}

ZelSettingsPanel* ZelSettingsGuide::filter(bool* pInViewMatches)
{
    const QStringList searched = words();
    QSet<QWidget*> hide;
    int matches = 0;
    ZelSettingsPanel* firstMatching = nullptr;
    bool inViewMatches = false;
    for (const Entry& entry : std::as_const(mEntries)) {
        if (!entry.panel)
            continue;
        QList<QWidget*> parts;
        int matching = 0;
        for (ZelSettingRow* row : entry.rows) {
            const bool match = !searched.isEmpty() && row->matches(searched)
                               && shownUnlessFiltered(row->control(), entry.panel);
            row->highlight(match ? searched : QStringList());
            if (!match)
                continue;
            ++matching;
            parts += row->parts();
        }
        SetDimmed(entry.tab, !searched.isEmpty() && matching == 0);
        if (searched.isEmpty())
            continue;
        matches += matching;
        if (matching > 0 && !firstMatching)
            firstMatching = entry.panel;
        if (matching > 0 && !entry.panel->isHidden())
            inViewMatches = true;
        if (matching == 0 && mPanels == StackedPanels)
            hide.insert(entry.panel);
        else
            collectUnmatched(entry.panel, parts, hide);
    }
    setHiddenByFilter(hide);
    if (mNoMatch)
        mNoMatch->setVisible(!searched.isEmpty() && matches == 0);
    if (pInViewMatches)
        *pInViewMatches = inViewMatches;
    return firstMatching;
}

// Whether pWidget shows when the filter hides nothing: every container above it up to the
// panel is shown or was hidden by the filter.
bool ZelSettingsGuide::shownUnlessFiltered(const QWidget* pWidget, const QWidget* pPanel) const
{
    for (const QWidget* widget = pWidget; widget && widget != pPanel;
         widget = widget->parentWidget()) {
        if (widget->isHidden() && !mHiddenByFilter.contains(const_cast<QWidget*>(widget)))
            return false;
    }
    return pWidget != nullptr;
}

// Hides, below pContainer, what holds none of pParts: the other rows, and the texts and
// sections left without a row. A section header stays with the frame below it.
void ZelSettingsGuide::collectUnmatched(QWidget* pContainer, const QList<QWidget*>& pParts,
                                        QSet<QWidget*>& pHide) const
{
    const auto holdsPart = [&pParts](const QWidget* pWidget) {
        for (const QWidget* part : pParts) {
            if (part == pWidget || pWidget->isAncestorOf(part))
                return true;
        }
        return false;
    };
    const QObjectList children = pContainer->children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (pParts.contains(widget))
            continue;
        if (holdsPart(widget)) {
            collectUnmatched(widget, pParts, pHide);
            continue;
        }
        if (IsSectionHeader(widget)) {
            const QWidget* frame = NextInLayout(widget);
            if (frame && holdsPart(frame))
                continue;
        }
        pHide.insert(widget);
    }
}

void ZelSettingsGuide::setHiddenByFilter(const QSet<QWidget*>& pHide)
{
    QSet<QWidget*> toHide = pHide;
    QList<QPointer<QWidget>> hidden;
    for (const QPointer<QWidget>& widget : std::as_const(mHiddenByFilter)) {
        if (!widget)
            continue;
        if (toHide.remove(widget)) {
            // The panel may have shown it again meanwhile.
            widget->hide();
            hidden.append(widget);
        } else {
            widget->show();
        }
    }
    // What the panel itself hides stays its own business.
    for (QWidget* widget : std::as_const(toHide)) {
        if (!widget->isHidden()) {
            widget->hide();
            hidden.append(widget);
        }
    }
    mHiddenByFilter = hidden;
}

void ZelSettingsGuide::onSearchEdited()
{
    bool inViewMatches = false;
    ZelSettingsPanel* firstMatching = filter(&inViewMatches);
    if (mPanels == OnePanelAtATime && firstMatching && !inViewMatches)
        Q_EMIT panelWanted(firstMatching);
    if (mScrollArea)
        mScrollArea->verticalScrollBar()->setValue(0);
}

void ZelSettingsGuide::land()
{
    const QStringList searched = words();
    if (searched.isEmpty())
        return;
    for (const Entry& entry : std::as_const(mEntries)) {
        for (ZelSettingRow* row : entry.rows) {
            if (!row->matches(searched) || !shownUnlessFiltered(row->control(), entry.panel))
                continue;
            if (mPanels == OnePanelAtATime && entry.panel->isHidden())
                Q_EMIT panelWanted(entry.panel);
            if (QWidget* target = row->focusTarget()) {
                target->setFocus(Qt::ShortcutFocusReason);
                if (mScrollArea)
                    mScrollArea->ensureWidgetVisible(target);
            }
            return;
        }
    }
}

void ZelSettingsGuide::retranslate()
{
    if (mSearch) {
        mSearch->setPlaceholderText(tr("Search settings"));
        mSearch->setAccessibleName(tr("Search settings"));
        mSearch->setToolTip(tr("Finds the settings whose name, description or key holds "
                                 "the words typed; Escape clears the search."));
    }
    if (mNoMatch)
        mNoMatch->setText(tr("No setting matches"));
    for (const Entry& entry : std::as_const(mEntries)) {
        for (ZelSettingRow* row : entry.rows)
            row->retranslate();
    }
}

void ZelSettingsGuide::placeBadge(const Entry& pEntry) const
{
    QPushButton* tab = pEntry.tab;
    QLabel* badge = pEntry.badge;
    if (!tab || !badge)
        return;
    badge->adjustSize();
    // Just after the tab's centred text, on the side where the text ends.
    const int textWidth = tab->fontMetrics().horizontalAdvance(tab->text());
    const int centre = tab->width() / 2;
    int x = centre + textWidth / 2 + kBadgeGap;
    x = qMin(x, tab->width() - badge->width() - 2);
    if (tab->isRightToLeft())
        x = tab->width() - x - badge->width();
    badge->move(x, (tab->height() - badge->height()) / 2);
}

bool ZelSettingsGuide::eventFilter(QObject* pObject, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::LanguageChange:
        if (pObject == mHost)
            retranslate();
        refresh();
        break;
    case QEvent::Show:
        refresh();
        break;
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        for (const Entry& entry : std::as_const(mEntries)) {
            if (entry.tab == pObject)
                placeBadge(entry);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace zel
