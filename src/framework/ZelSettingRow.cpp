#include "ZelSettingRow.h"

#include "ZelSettingsPanel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVector>

namespace zel {

namespace {

const char kKeyProperty[] = "settingKey";
const char kPartProperty[] = "settingPart";
const char kRestartProperty[] = "restartNeeded";
const char kShownTextProperty[] = "zelShownText";
const char kPlainTextProperty[] = "zelPlainText";
const char kClassProperty[] = "class";
const char kMatchProperty[] = "searchMatch";
const char kChangedGlyph[] = "\u25CF";
const char kNotDefaultGlyph[] = "\u25CB";
const char kResetGlyph[] = "\u21BA";
// A light shade of the accent colour behind the matched letters of a label.
const char kMatchStyle[] = "background-color:#D4D8EE;";

// Folds pText as Fold does and notes, for every folded character, the index of the
// character of pText that it comes from.
QString FoldedWithOrigins(const QString& pText, QVector<int>& pOrigins)
{
    QString folded;
    for (int index = 0; index < pText.size();) {
        const int length = pText.at(index).isHighSurrogate() && index + 1 < pText.size()
                                   && pText.at(index + 1).isLowSurrogate()
                               ? 2
                               : 1;
        QString letters;
        const QString decomposed =
            pText.mid(index, length).normalized(QString::NormalizationForm_KD);
        for (const QChar character : decomposed) {
            if (!character.isMark())
                letters.append(character);
        }
        letters = letters.toCaseFolded();
        for (int letter = 0; letter < letters.size(); ++letter)
            pOrigins.append(index);
        folded.append(letters);
        index += length;
    }
    return folded;
}

// The widget that receives the keyboard first within pWidget, in the order of the focus chain.
QWidget* FirstFocusable(QWidget* pWidget)
{
    if (!pWidget)
        return nullptr;
    if (pWidget->focusPolicy() & Qt::TabFocus)
        return pWidget;
    for (QWidget* widget = pWidget->nextInFocusChain(); widget && widget != pWidget;
         widget = widget->nextInFocusChain()) {
        if (!pWidget->isAncestorOf(widget))
            continue;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(pWidget)
            && widget->isEnabled())
            return widget;
    }
    return nullptr;
}

QLabel* BuddyLabel(const QWidget* pControl)
{
    const QWidget* root = pControl;
    while (root->parentWidget() && !qobject_cast<const ZelSettingsPanel*>(root))
        root = root->parentWidget();
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->buddy() == pControl)
            return label;
    }
    return nullptr;
}

void SetShown(QWidget* pWidget, bool pShown)
{
    if (pWidget && pWidget->isHidden() == pShown)
        pWidget->setVisible(pShown);
}

void Repolish(QWidget* pWidget)
{
    pWidget->style()->unpolish(pWidget);
    pWidget->style()->polish(pWidget);
    pWidget->update();
}

} // namespace

QList<QWidget*> ZelSettingRow::Controls(const QWidget* pPanel)
{
    QList<QWidget*> controls;
    const QList<QWidget*> widgets = pPanel->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!KeyOf(widget).isEmpty())
            controls.append(widget);
    }
    return controls;
}

QString ZelSettingRow::KeyOf(const QWidget* pControl)
{
    return pControl->property(kKeyProperty).toString();
}

QString ZelSettingRow::LabelOf(const QWidget* pControl)
{
    if (const QLabel* label = BuddyLabel(pControl)) {
        // While the guide marks a match in it, the label shows rich text.
        const QVariant shown = label->property(kShownTextProperty);
        if (shown.isValid() && shown.toString() == label->text())
            return label->property(kPlainTextProperty).toString();
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(pControl))
        return group->title();
    return pControl->accessibleName();
}

QString ZelSettingRow::Fold(const QString& pText)
{
    QVector<int> origins;
    return FoldedWithOrigins(pText, origins);
}

ZelSettingRow::ZelSettingRow(ZelSettingsPanel* pPanel, QWidget* pControl, QObject* pParent)
    : QObject(pParent)
    , mPanel(pPanel)
    , mControl(pControl)
    , mKey(KeyOf(pControl))
{
    mLabel = BuddyLabel(pControl);
    addMarks();
    watch(pControl);
    for (QWidget* part : parts()) {
        if (part != pControl && part != mMarks)
            watch(part);
    }
    for (QWidget* labelled : {static_cast<QWidget*>(mLabel.data()), mMarks.data()}) {
        if (labelled)
            labelled->installEventFilter(this);
    }
    retranslate();
}

ZelSettingRow::~ZelSettingRow() = default;

void ZelSettingRow::addMarks()
{
    QWidget* holder = nullptr;
    QBoxLayout* line = nullptr;
    QWidget* labelParent = mLabel ? mLabel->parentWidget() : nullptr;
    if (labelParent && labelParent->layout()) {
        // The label and its marks take the label's place in the form.
        auto* wrapper = new QWidget(labelParent);
        wrapper->setObjectName(QStringLiteral("settingRowLabel"));
        const bool labelHidden = mLabel->isHidden();
        QLayoutItem* replaced = labelParent->layout()->replaceWidget(mLabel, wrapper);
        if (replaced) {
            delete replaced;
            auto* column = new QVBoxLayout(wrapper);
            column->setContentsMargins(0, 0, 0, 0);
            column->setSpacing(0);
            // As wide as its text and marks, at the side where the label stood.
            column->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
            line = new QHBoxLayout;
            line->setSpacing(4);
            column->addLayout(line);
            line->addWidget(mLabel);
            mLabel->setHidden(false);
            wrapper->setHidden(labelHidden);
            holder = wrapper;
            mHoldsLabel = true;
        } else {
            delete wrapper;
        }
    }
    if (!holder && mControl && mControl->layout()) {
        holder = new QWidget(mControl);
        holder->setObjectName(QStringLiteral("settingRowMarks"));
        line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(4);
        mControl->layout()->addWidget(holder);
    }
    if (!holder)
        return;
    mMarks = holder;

    mChangedMark = new QLabel(QString::fromUtf8(kChangedGlyph), holder);
    mChangedMark->setObjectName(QStringLiteral("changedMark"));
    mChangedMark->setProperty(kClassProperty, QStringLiteral("settingMark changedMark"));
    mDefaultMark = new QLabel(QString::fromUtf8(kNotDefaultGlyph), holder);
    mDefaultMark->setObjectName(QStringLiteral("notDefaultMark"));
    mDefaultMark->setProperty(kClassProperty, QStringLiteral("settingMark notDefaultMark"));
    mResetButton = new QToolButton(holder);
    mResetButton->setObjectName(QStringLiteral("resetRowButton"));
    mResetButton->setProperty(kClassProperty, QStringLiteral("toolButton resetRowButton"));
    mResetButton->setText(QString::fromUtf8(kResetGlyph));
    mResetButton->setAutoRaise(true);
    mResetButton->setCursor(Qt::PointingHandCursor);
    mResetButton->setFocusPolicy(Qt::StrongFocus);
    connect(mResetButton, &QToolButton::clicked, this, &ZelSettingRow::resetToDefault);
    for (QWidget* mark : {static_cast<QWidget*>(mChangedMark.data()),
                          static_cast<QWidget*>(mDefaultMark.data()),
                          static_cast<QWidget*>(mResetButton.data())}) {
        mark->hide();
        line->addWidget(mark);
    }
    mRestartHint = new QLabel(holder);
    mRestartHint->setObjectName(QStringLiteral("restartHint"));
    mRestartHint->setProperty(kClassProperty, QStringLiteral("textHint restartHint"));
    mRestartHint->hide();
    if (mHoldsLabel)
        static_cast<QBoxLayout*>(holder->layout())->addWidget(mRestartHint);
    else
        line->addWidget(mRestartHint);

    // The reset button comes just before the row's control when Tab goes through the form.
    if (QWidget* first = FirstFocusable(mControl))
        QWidget::setTabOrder(first->previousInFocusChain(), mResetButton);
}

void ZelSettingRow::removeMarks()
{
    highlight(QStringList());
    if (mHoldsLabel && mMarks && mLabel) {
        QWidget* parent = mMarks->parentWidget();
        const bool hidden = mMarks->isHidden();
        if (parent && parent->layout()) {
            delete parent->layout()->replaceWidget(mMarks, mLabel);
            mLabel->setHidden(hidden);
        }
    }
    delete mMarks;
    mHoldsLabel = false;
}

void ZelSettingRow::watch(QWidget* pWidget)
{
    QList<QWidget*> widgets = pWidget->findChildren<QWidget*>();
    widgets.prepend(pWidget);
    for (QWidget* widget : widgets) {
        if (mMarks && (widget == mMarks || mMarks->isAncestorOf(widget)))
            continue;
        widget->installEventFilter(this);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            connect(button, &QAbstractButton::toggled, this, &ZelSettingRow::edited);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(widget))
            connect(slider, &QAbstractSlider::valueChanged, this, &ZelSettingRow::edited);
        else if (auto* spinBox = qobject_cast<QSpinBox*>(widget))
            connect(spinBox, qOverload<int>(&QSpinBox::valueChanged), this,
                    &ZelSettingRow::edited);
        else if (auto* doubleSpinBox = qobject_cast<QDoubleSpinBox*>(widget))
            connect(doubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                    &ZelSettingRow::edited);
        else if (auto* comboBox = qobject_cast<QComboBox*>(widget))
            connect(comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    &ZelSettingRow::edited);
    }
}

QString ZelSettingRow::label() const
{
    return mControl ? LabelOf(mControl) : QString();
}

QString ZelSettingRow::help() const
{
    if (mLabel && !mLabel->toolTip().isEmpty())
        return mLabel->toolTip();
    return mControl ? mControl->toolTip() : QString();
}

bool ZelSettingRow::needsRestart() const
{
    return mControl && mControl->property(kRestartProperty).toBool();
}

QList<QWidget*> ZelSettingRow::parts() const
{
    QList<QWidget*> parts;
    if (mHoldsLabel && mMarks)
        parts.append(mMarks);
    else if (mLabel)
        parts.append(mLabel);
    if (!mControl)
        return parts;
    parts.append(mControl);
    if (mPanel) {
        const QList<QWidget*> widgets = mPanel->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->property(kPartProperty).toString() == mKey)
                parts.append(widget);
        }
    }
    return parts;
}

QWidget* ZelSettingRow::focusTarget() const
{
    for (QWidget* part : parts()) {
        if (part == mMarks || part == mLabel)
            continue;
        if (QWidget* target = FirstFocusable(part)) {
            if (target->isEnabled())
                return target;
        }
    }
    return mControl;
}

bool ZelSettingRow::matches(const QStringList& pWords) const
{
    const QString haystack = Fold(label()) + QLatin1Char('\n') + Fold(help())
                             + QLatin1Char('\n') + Fold(mKey);
    for (const QString& word : pWords) {
        if (!haystack.contains(word))
            return false;
    }
    return true;
}

void ZelSettingRow::highlight(const QStringList& pWords)
{
    if (!mLabel) {
        auto* group = qobject_cast<QGroupBox*>(mControl.data());
        const bool matched = group && !pWords.isEmpty() && matches(pWords);
        if (group && group->property(kMatchProperty).toBool() != matched) {
            group->setProperty(kMatchProperty, matched);
            Repolish(group);
        }
        return;
    }
    // The panel may have written the label since, in another language for one.
    if (mLabel->text() != mShownText)
        mPlainText = mLabel->text();

    QVector<int> origins;
    const QString folded = FoldedWithOrigins(mPlainText, origins);
    QVector<bool> marked(mPlainText.size(), false);
    bool any = false;
    for (const QString& word : pWords) {
        const int start = folded.indexOf(word);
        if (start < 0 || word.isEmpty())
            continue;
        const int end = start + word.size() - 1;
        const int last = origins.at(end)
                         + (mPlainText.at(origins.at(end)).isHighSurrogate() ? 1 : 0);
        for (int index = origins.at(start); index <= last; ++index)
            marked[index] = true;
        any = true;
    }

    QString shown = mPlainText;
    if (any) {
        shown.clear();
        for (int index = 0; index < mPlainText.size();) {
            int next = index;
            while (next < mPlainText.size() && marked.at(next) == marked.at(index))
                ++next;
            const QString piece = mPlainText.mid(index, next - index).toHtmlEscaped();
            shown += marked.at(index) ? QStringLiteral("<span style=\"%1\">%2</span>")
                                            .arg(QLatin1String(kMatchStyle), piece)
                                      : piece;
            index = next;
        }
    }
    if (shown == mLabel->text())
        return;
    mShownText = shown;
    mLabel->setText(shown);
    mLabel->setProperty(kShownTextProperty, any ? QVariant(shown) : QVariant());
    mLabel->setProperty(kPlainTextProperty, any ? QVariant(mPlainText) : QVariant());
}

void ZelSettingRow::refresh()
{
    if (!mPanel || !mMarks)
        return;
    mEdited = mPanel->describeRow(mKey, ZelSettingsPanel::EditedValue);
    mApplied = mPanel->describeRow(mKey, ZelSettingsPanel::AppliedValue);
    mDefault = mPanel->describeRow(mKey, ZelSettingsPanel::DefaultValue);
    mChanged = !mEdited.isEmpty() && !mApplied.isEmpty() && mEdited != mApplied;
    const bool notDefault = !mApplied.isEmpty() && !mDefault.isEmpty() && mApplied != mDefault;
    const bool resettable = !mEdited.isEmpty() && !mDefault.isEmpty() && mEdited != mDefault;
    SetShown(mChangedMark, mChanged);
    SetShown(mDefaultMark, notDefault);
    SetShown(mResetButton, resettable);
    SetShown(mRestartHint, isRestartPending());
    updateTips();
}

void ZelSettingRow::retranslate()
{
    if (!mMarks)
        return;
    mChangedMark->setAccessibleName(tr("Changed"));
    mDefaultMark->setAccessibleName(tr("Not the default"));
    mRestartHint->setText(tr("Needs a restart"));
    mRestartHint->setToolTip(tr("This change takes effect the next time the application "
                                  "starts."));
    mResetButton->setAccessibleName(tr("Reset %1 to default").arg(label()));
    updateTips();
}

void ZelSettingRow::updateTips()
{
    if (!mMarks)
        return;
    const QString applied = tr("Applied: %1").arg(mApplied);
    const QString byDefault = tr("Default: %1").arg(mDefault);
    QStringList changed = {tr("Changed, not applied yet: %1").arg(mEdited), applied};
    if (!mDefault.isEmpty())
        changed.append(byDefault);
    const QString changedTip = changed.join(QLatin1Char('\n'));
    const QString defaultTip = QStringList({tr("Not the default"), applied, byDefault})
                                   .join(QLatin1Char('\n'));
    mChangedMark->setToolTip(changedTip);
    mDefaultMark->setToolTip(defaultTip);
    mResetButton->setToolTip(tr("Reset to default: %1").arg(mDefault));
    mResetButton->setAccessibleDescription(mChanged ? changedTip : defaultTip);
}

bool ZelSettingRow::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::ContextMenu || !pObject->isWidgetType())
        return false;
    showMenu(static_cast<QWidget*>(pObject),
             static_cast<QContextMenuEvent*>(pEvent)->globalPos());
    return true;
}

void ZelSettingRow::showMenu(QWidget* pAt, const QPoint& pGlobalPosition)
{
    // The menu belongs to the row's own widget, so that the hosts take a press in it for
    // one of theirs.
    auto* menu = new QMenu(pAt);
    menu->setObjectName(QStringLiteral("settingRowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* reset = menu->addAction(tr("Reset to default"));
    reset->setObjectName(QStringLiteral("resetToDefault"));
    reset->setEnabled(mResetButton && !mResetButton->isHidden());
    connect(reset, &QAction::triggered, this, &ZelSettingRow::resetToDefault);
    menu->popup(pGlobalPosition);
}

void ZelSettingRow::resetToDefault()
{
    if (!mPanel)
        return;
    // The button goes once the row holds its default: the keyboard stays on the row.
    const bool fromButton = mResetButton && mResetButton->hasFocus();
    mPanel->resetRow(mKey);
    if (QWidget* target = fromButton ? focusTarget() : nullptr)
        target->setFocus(Qt::OtherFocusReason);
    refresh();
    Q_EMIT edited();
}

} // namespace zel
